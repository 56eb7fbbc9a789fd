# Resource tables as plain C++ data: ids, strings, dialog templates, menu and accelerators.
add_library(vexamo_res_tables STATIC
    ${CMAKE_CURRENT_LIST_DIR}/string_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_template.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resource_script.cpp
)
target_include_directories(vexamo_res_tables PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(vexamo_res_tables PUBLIC vexamo_app)
