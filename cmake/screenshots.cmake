# `make screenshots`: pictures of every screen, for the README and the
# metainfo. Left out of a normal build, as it needs the test helpers.
add_executable(take_screenshots EXCLUDE_FROM_ALL tools/screenshots.cpp)
target_link_libraries(take_screenshots PRIVATE tutor tutor_test_support)
tutor_target_settings(take_screenshots)

# Offscreen at a fixed font resolution, so the pictures come out the same on
# every machine.
add_custom_target(screenshots
    COMMAND ${CMAKE_COMMAND} -E env
        --unset=QT_SCREEN_SCALE_FACTORS --unset=QT_STYLE_OVERRIDE
        QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 QT_SCALE_FACTOR=1
        $<TARGET_FILE:take_screenshots> ${PROJECT_SOURCE_DIR}/docs/screenshots
    DEPENDS take_screenshots
    COMMENT "Taking pictures of every screen into docs/screenshots"
    VERBATIM)
