# Copies the pages and texts that the program opens at run time from
# SOURCE_DIR to TARGET_DIR, the folder that holds the executable.
foreach(folder html help reports worksheets languages)
    if(IS_DIRECTORY "${SOURCE_DIR}/${folder}")
        file(COPY "${SOURCE_DIR}/${folder}" DESTINATION "${TARGET_DIR}")
    endif()
endforeach()
foreach(text ReadMe.txt Support.txt)
    if(EXISTS "${SOURCE_DIR}/${text}")
        file(COPY "${SOURCE_DIR}/${text}" DESTINATION "${TARGET_DIR}")
    endif()
endforeach()
