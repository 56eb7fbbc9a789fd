# The desktop program: form view, frame, document commands, message boxes, clipboard.
add_library(vexamo_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/about_dlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/birth_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/birthplace_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/busy_indicator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/classic_style.cpp
    ${CMAKE_CURRENT_LIST_DIR}/credits_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/find_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diagram_clipboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_units.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_manager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_accessibility.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_builder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_integer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/layout_switch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_frame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_view.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_view_birthplace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_view_clipboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_view_find.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_view_records.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_view_sheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_view_zone.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_service.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_dialog_service.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_file_dialog_service.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_message_service.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_print_dialog_service.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_translations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recent_file_list.cpp
    ${CMAKE_CURRENT_LIST_DIR}/results_display.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ui_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sheet_printing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record_list.cpp
    ${CMAKE_CURRENT_LIST_DIR}/vexamo_app.cpp
)
target_include_directories(vexamo_ui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(vexamo_ui PUBLIC vexamo_app vexamo_places vexamo_res_tables vexamo_diagram vexamo_sheet vexamo_artwork
    Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)

add_executable(vexamo ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(vexamo PRIVATE vexamo_ui)

# Renders the main window in both layouts to PNG files, for review without a display.
add_executable(vexamo-screenshots ${CMAKE_CURRENT_LIST_DIR}/screenshots_main.cpp)
target_link_libraries(vexamo-screenshots PRIVATE vexamo_ui)
