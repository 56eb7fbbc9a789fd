# The phase diagram control: pixel-exact drawing of the Moon and Sun curves.
add_library(vexamo_diagram STATIC
    ${CMAKE_CURRENT_LIST_DIR}/phase_diagram.h
    ${CMAKE_CURRENT_LIST_DIR}/phase_diagram.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diagram_raster.h
    ${CMAKE_CURRENT_LIST_DIR}/diagram_raster.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diagram_samples.h
    ${CMAKE_CURRENT_LIST_DIR}/diagram_samples.cpp
)
target_include_directories(vexamo_diagram PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(vexamo_diagram PUBLIC Qt6::Widgets vexamo_astro)
