# What a user gets from `cmake --install` and `make package`.
set(TUTOR_CONFIGURED_DIR "${PROJECT_BINARY_DIR}/packaging")

# The validators come with `make test`'s set-up; a build configured without
# them still lists the tests, which then say what to install.
function(tutor_add_validation_test name program package)
    string(MAKE_C_IDENTIFIER "TUTOR_${program}" variable)
    find_program(${variable} ${program})
    if(${variable})
        add_test(NAME ${name} COMMAND ${${variable}} ${ARGN})
    else()
        add_test(NAME ${name} COMMAND sh -c
            "echo '${program} was not found when the build was configured: install ${package} (scripts/install-deps.sh) and configure again' >&2; exit 1")
    endif()
endfunction()

tutor_add_validation_test(desktop_entry desktop-file-validate desktop-file-utils
    "${TUTOR_CONFIGURED_DIR}/${TUTOR_APPLICATION_ID}.desktop")
# Its warnings are faults too; only errors change its exit status.
set_tests_properties(desktop_entry PROPERTIES FAIL_REGULAR_EXPRESSION "warning")
tutor_add_validation_test(metainfo appstreamcli appstream
    validate --no-net "${TUTOR_CONFIGURED_DIR}/${TUTOR_APPLICATION_ID}.metainfo.xml")

set(TUTOR_PACKAGING_TEST "${CMAKE_CURRENT_SOURCE_DIR}/packaging_test.sh")
add_test(NAME install_layout
    COMMAND sh "${TUTOR_PACKAGING_TEST}" install "${PROJECT_BINARY_DIR}" "${TUTOR_APPLICATION_ID}")
add_test(NAME package_contents
    COMMAND sh "${TUTOR_PACKAGING_TEST}" package "${PROJECT_BINARY_DIR}" "${TUTOR_APPLICATION_ID}")
set_tests_properties(package_contents PROPERTIES LABELS package TIMEOUT 300)
# Both install from the same build tree, which records what it installed.
set_tests_properties(install_layout package_contents PROPERTIES RESOURCE_LOCK build_tree_install)
