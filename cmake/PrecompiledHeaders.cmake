# Precompiled headers: the Qt and standard headers nearly every file includes are parsed once per
# build instead of once per file. Three small host targets precompile them (the core headers; with
# the widgets; with the widgets and GoogleTest), and marvola_precompile_headers(), called once
# after every folder is added, lets each library and program reuse the host that matches what it
# links, so the folders' own CMakeLists need nothing for it. The hosts define only Qt's own
# macros: the compilers accept a precompiled header when the file's macros add to its own.
# The sanitizer build (clang) turns them off: clang's precompiled header is named by absolute paths
# behind -Xclang, which ccache cannot make relative, so a second clone would miss the cache for
# every file; without it the clang build costs about a fifth more when cold and hits when warm.
option(MARVOLA_PCH "Precompile the Qt and standard headers most files include" ON)

set(marvola_pch_core <algorithm> <array> <functional> <memory> <optional> <vector>
  <QByteArray> <QDir> <QFile> <QList> <QString> <QStringList>)
set(marvola_pch_widgets ${marvola_pch_core} <QApplication> <QCheckBox> <QComboBox> <QDialog>
  <QHBoxLayout> <QLabel> <QLineEdit> <QPushButton> <QVBoxLayout>)
set(marvola_pch_tests ${marvola_pch_widgets} <gtest/gtest.h>)

if(MARVOLA_PCH)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # ccache hashes the precompiled header itself when it preprocesses a file.
    add_compile_options(-fpch-preprocess)
  elseif(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # No time stamps of the headers in the precompiled header: one that ccache restores in
    # another clone is still valid there.
    add_compile_options("SHELL:-Xclang -fno-pch-timestamp")
  endif()
endif()

# Whether target reaches library through its links, directly or through other targets.
function(marvola_reaches target library result)
  set(seen "")
  set(pending ${target})
  while(pending)
    list(POP_FRONT pending current)
    if(current IN_LIST seen OR NOT TARGET ${current})
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      set(current ${aliased})
    endif()
    if(current STREQUAL library)
      set(${result} TRUE PARENT_SCOPE)
      return()
    endif()
    get_target_property(imported ${current} IMPORTED)
    set(links "")
    if(NOT imported)
      get_target_property(links ${current} LINK_LIBRARIES)
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS links interface)
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(link AND NOT link MATCHES "NOTFOUND$" AND TARGET ${link})
        list(APPEND pending ${link})
      endif()
    endforeach()
  endwhile()
  set(${result} FALSE PARENT_SCOPE)
endfunction()

# A library of one empty file that only carries a precompiled header for the others to reuse.
function(marvola_add_pch_host name headers)
  set(source ${PROJECT_BINARY_DIR}/${name}.cpp)
  if(NOT EXISTS ${source})
    file(WRITE ${source} "// Carries the precompiled header ${name}.\n")
  endif()
  add_library(${name} OBJECT EXCLUDE_FROM_ALL ${source})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  target_link_libraries(${name} PRIVATE ${ARGN})
  target_precompile_headers(${name} PRIVATE ${${headers}})
endfunction()

function(marvola_reuse_pch_in directory)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY)$")
      continue()
    endif()
    marvola_reaches(${target} GTest::gtest has_gtest)
    marvola_reaches(${target} Qt6::Widgets has_widgets)
    marvola_reaches(${target} Qt6::Core has_core)
    if(has_gtest AND has_widgets AND TARGET marvola_pch_tests)
      target_precompile_headers(${target} REUSE_FROM marvola_pch_tests)
    elseif(has_widgets AND NOT has_gtest)
      target_precompile_headers(${target} REUSE_FROM marvola_pch_widgets)
    elseif(has_core AND NOT has_widgets)
      target_precompile_headers(${target} REUSE_FROM marvola_pch_core)
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    marvola_reuse_pch_in(${subdirectory})
  endforeach()
endfunction()

function(marvola_precompile_headers)
  if(NOT MARVOLA_PCH)
    return()
  endif()
  marvola_add_pch_host(marvola_pch_core marvola_pch_core Qt6::Core)
  marvola_add_pch_host(marvola_pch_widgets marvola_pch_widgets Qt6::Widgets)
  if(TARGET GTest::gtest)
    marvola_add_pch_host(marvola_pch_tests marvola_pch_tests Qt6::Widgets GTest::gtest)
    # Made with the flags of the test code that uses it: the compiler refuses a precompiled
    # header made with other optimisation flags.
    target_compile_options(marvola_pch_tests PRIVATE ${MARVOLA_TEST_CODE_OPTIONS})
  endif()
  marvola_reuse_pch_in(${PROJECT_SOURCE_DIR})
endfunction()
