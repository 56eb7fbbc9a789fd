# The program's pictures (icon, type pictures, form pictures, diagram labels), embedded with
# Qt's resource system at ":/images/<id>.png".
#
# The generated resource code is an object library whose objects travel on the link line of every
# target that uses vexamo_artwork, also through static libraries, so the resources register
# themselves at start-up without any Q_INIT_RESOURCE call.
find_package(Qt6 REQUIRED COMPONENTS Core Gui)

qt_add_resources(VEXAMO_ARTWORK_SOURCES ${CMAKE_CURRENT_LIST_DIR}/artwork.qrc)
add_library(vexamo_artwork_objects OBJECT ${VEXAMO_ARTWORK_SOURCES})
target_link_libraries(vexamo_artwork_objects PRIVATE Qt6::Core)

add_library(vexamo_artwork INTERFACE)
target_link_libraries(vexamo_artwork INTERFACE Qt6::Core $<TARGET_OBJECTS:vexamo_artwork_objects>)
add_dependencies(vexamo_artwork vexamo_artwork_objects)

# The generator that redraws res/images.
add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/artgen ${CMAKE_CURRENT_BINARY_DIR}/artgen)
