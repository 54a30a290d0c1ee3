# Packs a release: <OUTPUT> (a zip of the exe and README.txt) and
# <OUTPUT>.sha256 beside it, in the form `sha256sum -c` reads. README.txt is
# the README's part for Windows users (its text up to the heading
# "## On Linux") as plain text that Notepad shows right on every Windows: a
# UTF-8 byte-order mark, CR LF line ends, headings underlined, code blocks
# indented, and no Markdown marks (backticks, fences, **).
#
# The zip is reproducible: its entries come in a fixed order, with fixed
# permissions, no extra attributes, and one time: SOURCE_DATE_EPOCH when set,
# else the time of the source's current commit, else 1980-01-01 00:00 UTC
# (the earliest time a zip entry can hold).
#
#   cmake -DEXE=... -DSOURCE_DIR=... -DSTAGE=<scratch folder> -DOUTPUT=<zip>
#         -DZIP_PROGRAM=<zip> -P package-release.cmake
set(epoch 315532800)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git -C ${SOURCE_DIR} log -1 --format=%ct
                  RESULT_VARIABLE status OUTPUT_VARIABLE commit_time ERROR_QUIET
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
    set(epoch ${commit_time})
  endif()
endif()

file(READ ${SOURCE_DIR}/README.md readme)
string(FIND "${readme}" "\n## On Linux\n" windows_part_end)
if(windows_part_end EQUAL -1)
  message(FATAL_ERROR "README.md has no heading \"## On Linux\" to end the Windows user's part")
endif()
string(SUBSTRING "${readme}" 0 ${windows_part_end} rest)
string(REGEX REPLACE "\n+$" "" rest "${rest}")
string(APPEND rest "\n")
string(ASCII 239 187 191 text)
set(fenced FALSE)
while(NOT rest STREQUAL "")
  string(FIND "${rest}" "\n" end)
  string(SUBSTRING "${rest}" 0 ${end} line)
  math(EXPR end "${end} + 1")
  string(SUBSTRING "${rest}" ${end} -1 rest)
  if(line MATCHES "^```")
    if(fenced)
      set(fenced FALSE)
    else()
      set(fenced TRUE)
    endif()
    continue()
  endif()
  if(fenced AND NOT line STREQUAL "")
    string(PREPEND line "    ")
  elseif(NOT fenced)
    string(REPLACE "`" "" line "${line}")
    string(REPLACE "**" "" line "${line}")
    if(line MATCHES "^(#+) (.*)$")
      set(line "${CMAKE_MATCH_2}")
      set(rule "-")
      if(CMAKE_MATCH_1 STREQUAL "#")
        set(rule "=")
      endif()
      string(REGEX REPLACE "." "${rule}" underline "${line}")
      string(APPEND line "\r\n${underline}")
    endif()
  endif()
  string(APPEND text "${line}\r\n")
endwhile()

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
file(COPY_FILE ${EXE} ${STAGE}/pickpath.exe)
file(WRITE ${STAGE}/README.txt "${text}")
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
