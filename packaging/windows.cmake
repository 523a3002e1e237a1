# The Windows installer (NSIS) and the bare program in a zip, both from the
# cross-compiled kvirlo.exe.
set(setup ${KVIRLO_PACKAGE_DIR}/kvirlo-${PROJECT_VERSION}-setup.exe)
set(zip ${KVIRLO_PACKAGE_DIR}/kvirlo-${PROJECT_VERSION}-win64.zip)
math(EXPR minor "${PROJECT_VERSION_MINOR}")
# Beside the program in both: its licence, and the notices of the runtime
# linked into it. Windows' Notepad wants CR LF.
set(licence ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
set(notices ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${licence} NEWLINE_STYLE CRLF)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt ${notices} NEWLINE_STYLE CRLF)

# Without the tool the package's target still exists, and says what to install.
function(tool_missing_target target tool debian_package)
  add_custom_target(${target} COMMAND ${CMAKE_COMMAND} -E echo "${tool} is missing (Debian: ${debian_package})"
                    COMMAND ${CMAKE_COMMAND} -E false)
endfunction()

find_program(MAKENSIS makensis)
if(MAKENSIS)
  add_custom_command(OUTPUT ${setup}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KVIRLO_PACKAGE_DIR}
    COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION}
            -DFILE_VERSION=${PROJECT_VERSION_MAJOR}.${minor}.0.0 -DEXE=$<TARGET_FILE:kvirlo>
            -DICON=${PROJECT_SOURCE_DIR}/data/kvirlo.ico -DLICENSE=${licence} -DNOTICES=${notices}
            -DHOMEPAGE=${KVIRLO_HOMEPAGE} -DOUTFILE=${setup}
            ${CMAKE_CURRENT_SOURCE_DIR}/kvirlo.nsi
    DEPENDS kvirlo ${CMAKE_CURRENT_SOURCE_DIR}/kvirlo.nsi ${PROJECT_SOURCE_DIR}/data/kvirlo.ico
            ${licence} ${notices}
    COMMENT "Making kvirlo-${PROJECT_VERSION}-setup.exe")
  add_custom_target(installer DEPENDS ${setup})
else()
  tool_missing_target(installer makensis nsis)
endif()

# Each file stamped with the sources' time, not the build's, and nothing
# else of the builder's kept: Info-ZIP's -X leaves out the times of last
# access and change that a zip made by libarchive carries (CMake's own tar).
find_program(ZIP zip)
set(zipped ${CMAKE_CURRENT_BINARY_DIR}/zip)
file(MAKE_DIRECTORY ${zipped})  # the command runs in it
set(zipped_files kvirlo.exe LICENSE.txt THIRD-PARTY-NOTICES.txt)
if(ZIP)
  add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KVIRLO_PACKAGE_DIR} ${zipped}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kvirlo> ${licence} ${notices} ${zipped}
    # The copies keep the builder's umask; the zip keeps their modes.
    COMMAND chmod 0755 kvirlo.exe
    COMMAND chmod 0644 LICENSE.txt THIRD-PARTY-NOTICES.txt
    COMMAND touch -d @${KVIRLO_SOURCE_DATE_EPOCH} ${zipped_files}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    # A zip keeps local times: in UTC, they are the same on every builder.
    COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP} -X -q -9 ${zip} ${zipped_files}
    DEPENDS kvirlo ${licence} ${notices}
    WORKING_DIRECTORY ${zipped}
    VERBATIM
    COMMENT "Making kvirlo-${PROJECT_VERSION}-win64.zip")
  add_custom_target(win64_zip DEPENDS ${zip})
else()
  tool_missing_target(win64_zip zip zip)
endif()

# Both made, then the installer run and undone under Wine as a user would.
if(KVIRLO_TESTS)
  add_test(NAME windows_packages_made
           COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target installer win64_zip)
  set_tests_properties(windows_packages_made PROPERTIES FIXTURES_SETUP windows_packages RUN_SERIAL TRUE)
  add_test(NAME windows_installer
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packages/installer_test.sh ${setup} ${zip}
                   ${PROJECT_VERSION} ${KVIRLO_HOMEPAGE})
  set_tests_properties(windows_installer PROPERTIES FIXTURES_REQUIRED windows_packages
                       SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 300)
endif()
