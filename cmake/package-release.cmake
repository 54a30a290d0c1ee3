# Packs a release: <OUTPUT> (a zip of the exe and README.txt, the README's part
# for Windows users: its text up to the heading "## On Linux", its lines ended
# in CR LF for Windows' own editors) and <OUTPUT>.sha256 beside it, in the form
# `sha256sum -c` reads. The zip is reproducible: its
# entries come in a fixed order, with fixed permissions, no extra attributes,
# and one fixed time: SOURCE_DATE_EPOCH when set, else 1980-01-01 00:00 UTC
# (the earliest time a zip entry can hold).
#
#   cmake -DEXE=... -DREADME=... -DSTAGE=<scratch folder> -DOUTPUT=<zip>
#         -DZIP_PROGRAM=<zip> -P package-release.cmake
set(epoch 315532800)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch $ENV{SOURCE_DATE_EPOCH})
endif()

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
file(COPY_FILE ${EXE} ${STAGE}/pickpath.exe)
file(READ ${README} readme)
string(FIND "${readme}" "\n## On Linux\n" windows_part_end)
if(windows_part_end EQUAL -1)
  message(FATAL_ERROR "${README} has no heading \"## On Linux\" to end the Windows user's part")
endif()
string(SUBSTRING "${readme}" 0 ${windows_part_end} readme)
string(REGEX REPLACE "\n+$" "\n" readme "${readme}")
string(REPLACE "\n" "\r\n" readme "${readme}")
file(WRITE ${STAGE}/README.txt "${readme}")
file(CHMOD ${STAGE}/pickpath.exe FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
     GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CHMOD ${STAGE}/README.txt FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# zip adds to an existing archive, so start from none.
file(REMOVE ${OUTPUT})
execute_process(COMMAND touch -d @${epoch} pickpath.exe README.txt
                WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
                        ${ZIP_PROGRAM} -X -D -q ${OUTPUT} pickpath.exe README.txt
                WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)

file(SHA256 ${OUTPUT} checksum)
get_filename_component(name ${OUTPUT} NAME)
file(WRITE ${OUTPUT}.sha256 "${checksum}  ${name}\n")
