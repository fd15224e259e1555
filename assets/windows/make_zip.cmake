# SPDX-License-Identifier: MIT
# Writes a zip that is the same byte for byte whenever its files are: the entries in the order
# given, each with the same time stamp and permissions, no extra fields (Info-ZIP's zip -X).
#   cmake -DOUTPUT=out.zip "-DDATE=2026-12-07 00:00:00 UTC" "-DENTRIES=name;file;name;file..."
#         -P make_zip.cmake
# Needs zip (Debian package zip). The entries are copied into OUTPUT's folder under
# <zip name>.files/ first.

foreach(variable OUTPUT DATE ENTRIES)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "make_zip.cmake needs -D${variable}=...")
    endif()
endforeach()
find_program(ZIP zip)
if(NOT ZIP)
    message(FATAL_ERROR "zip is not installed (Debian package zip)")
endif()

get_filename_component(name "${OUTPUT}" NAME)
get_filename_component(folder "${OUTPUT}" DIRECTORY)
set(stage "${folder}/${name}.files")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
file(REMOVE "${OUTPUT}")

set(names "")
set(entries "${ENTRIES}")
while(entries)
    list(POP_FRONT entries entry file)
    file(COPY_FILE "${file}" "${stage}/${entry}")
    file(CHMOD "${stage}/${entry}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    execute_process(COMMAND touch -d "${DATE}" "${stage}/${entry}" COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND names "${entry}")
endwhile()

# The time stamps in a zip are local times: written in UTC, they read the same everywhere.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC "${ZIP}" -X -D -q "${OUTPUT}" ${names}
    WORKING_DIRECTORY "${stage}" COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE "${stage}")
