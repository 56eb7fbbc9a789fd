# The phase diagram's pixel-exact picture: the control's drawing calls carried out into an image
# (target vexamo_diagram_raster, QtGui only, so that printed sheets and the command line draw the
# very same picture as the window).
add_library(vexamo_diagram_raster STATIC
    ${CMAKE_CURRENT_LIST_DIR}/diagram_raster.h
    ${CMAKE_CURRENT_LIST_DIR}/diagram_raster.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diagram_image.h
    ${CMAKE_CURRENT_LIST_DIR}/diagram_image.cpp
)
target_include_directories(vexamo_diagram_raster PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(vexamo_diagram_raster PUBLIC Qt6::Gui vexamo_sheet_core)

# The phase diagram control of the form (target vexamo_diagram).
add_library(vexamo_diagram STATIC
    ${CMAKE_CURRENT_LIST_DIR}/phase_diagram.h
    ${CMAKE_CURRENT_LIST_DIR}/phase_diagram.cpp
)
target_include_directories(vexamo_diagram PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(vexamo_diagram PUBLIC Qt6::Widgets vexamo_diagram_raster vexamo_sheet)
