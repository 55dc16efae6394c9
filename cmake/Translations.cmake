# The programs' texts in other languages. Chinese is the language every
# text is written in; each .ts file holds the English of the tr() texts of
# the folders it is given.
#
#   tarn_translations(<target> <ts file> <folder>...)
#
# scans every .h and .cpp of the folders (named from the source root; Qt's
# own functions would scan <target>'s sources alone, and the libraries hold
# most texts), compiles the .ts file and builds the result into <target>
# under :/i18n, where UseLanguage and Translated find every *_en.qm a
# program holds. Call it in the folder that defines <target>. The target
# update_translations brings the .ts files up to date with the sources; the
# test translations_complete fails while any of them has a text without its
# English or an entry whose text is gone.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

# Without line numbers, so moving code does not change the .ts files.
set(TARN_LUPDATE_OPTIONS -locations none -no-ui-lines)

function(tarn_translations target ts)
  set(sources "")
  foreach(folder IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${folder}/*.h"
         "${CMAKE_SOURCE_DIR}/${folder}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  list(SORT sources)
  get_filename_component(ts "${ts}" ABSOLUTE BASE_DIR "${CMAKE_SOURCE_DIR}")
  qt_add_translations(${target} TS_FILES "${ts}" SOURCES ${sources}
    INCLUDE_DIRECTORIES "${CMAKE_SOURCE_DIR}" RESOURCE_PREFIX /i18n
    LUPDATE_OPTIONS ${TARN_LUPDATE_OPTIONS})
  # What the completeness test runs lupdate with, on a copy of the file.
  get_filename_component(name "${ts}" NAME_WE)
  set(list_file "${CMAKE_BINARY_DIR}/translations/${name}.sources")
  list(JOIN sources "\n" lines)
  file(CONFIGURE OUTPUT "${list_file}" CONTENT "${lines}\n")
  set_property(GLOBAL APPEND PROPERTY TARN_TRANSLATIONS "${ts}|${list_file}")
endfunction()
