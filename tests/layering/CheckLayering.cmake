# Each folder includes only from the folders below it. The model libraries (roll/,
# scoresheet/, season/) stand at the bottom and use nothing of Qt beyond Qt Core; the
# windows are split by feature, and a feature reaches only downwards:
#   ui/            shared pieces     may use the models, services/ and ui/art/
#   ui/roll/       the dice          may use ui/ as well
#   ui/scoresheet/ the scoresheet    may use ui/roll/ and ui/
#   ui/season/     the season book   may use ui/; its charts (a module) may use it
# Run as: cmake -DSOURCE_DIR=<repository> -P CheckLayering.cmake

cmake_policy(VERSION 3.25)

set(gui_modules "QtGui|QtWidgets|QtMultimedia|QtPrintSupport|QtCharts")
# Qt's class headers of the modules above Core that a model file might reach for.
set(gui_classes "QWidget|QApplication|QGuiApplication|QPainter|QImage|QPixmap|QColor|QFont|QAction|QLineEdit|QLabel|QSoundEffect|QPrinter")

# folder (relative to the repository) :: what it must not include, as regular expressions over
# the included path ("ui/scoresheet/SheetCell.h") :: "model" for Qt Core only, else "-"
set(rules
  "roll :: ^(app|services|ui|tools|tests|bench|scoresheet|season)/ :: model"
  "scoresheet :: ^(app|services|ui|tools|tests|bench|roll|season)/ :: model"
  "season :: ^(app|services|ui|tools|tests|bench|roll)/ :: model"
  "services :: ^(app|ui|tools|tests|bench)/ :: -"
  "ui/art :: ^(app|tools|tests|bench)/ :: ^ui/[A-Za-z]+[.]h$ :: ^ui/(roll|scoresheet|season)/ :: -"
  "ui :: ^(app|tools|tests|bench)/ :: ^ui/(roll|scoresheet|season)/ :: -"
  "ui/roll :: ^(app|tools|tests|bench)/ :: ^ui/(scoresheet|season)/ :: -"
  "ui/scoresheet :: ^(app|tools|tests|bench)/ :: ^ui/season/ :: -"
  "ui/season :: ^(app|tools|tests|bench)/ :: ^ui/(roll|scoresheet)/ :: ^ui/season/charts/ :: -"
  "ui/season/charts :: ^(app|tools|tests|bench)/ :: ^ui/(roll|scoresheet)/ :: ^ui/season/print/ :: -"
  "ui/season/print :: ^(app|tools|tests|bench)/ :: ^ui/(roll|scoresheet)/ :: ^ui/season/[A-Za-z]+[.]h$ :: -"
)

set(violations "")
set(checked 0)
foreach(rule IN LISTS rules)
  string(REPLACE " :: " ";" parts "${rule}")
  list(LENGTH parts count)
  list(GET parts 0 folder)
  # The forbidden patterns are everything between the folder and the model flag.
  math(EXPR last "${count} - 1")
  list(GET parts ${last} kind)
  set(patterns "")
  math(EXPR lastPattern "${count} - 2")
  foreach(i RANGE 1 ${lastPattern})
    list(GET parts ${i} pattern)
    list(APPEND patterns "${pattern}")
  endforeach()

  if(NOT IS_DIRECTORY "${SOURCE_DIR}/${folder}")
    continue()
  endif()
  # A folder's own files, not those of its subfolders (ui/ is not ui/roll/).
  file(GLOB sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  if(NOT folder MATCHES "^ui")
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  endif()
  foreach(source IN LISTS sources)
    math(EXPR checked "${checked} + 1")
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      set(bad FALSE)
      if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(included "${CMAKE_MATCH_1}")
        foreach(pattern IN LISTS patterns)
          if(included MATCHES "${pattern}")
            set(bad TRUE)
          endif()
        endforeach()
      endif()
      if(kind STREQUAL "model" AND (line MATCHES "#[ \t]*include[ \t]*<(${gui_modules})(/|>)"
                    OR line MATCHES "#[ \t]*include[ \t]*<(${gui_classes})>"))
        set(bad TRUE)
      endif()
      if(bad)
        file(RELATIVE_PATH where "${SOURCE_DIR}" "${source}")
        string(STRIP "${line}" line)
        list(APPEND violations "${where}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

# The season's link line says the same: season/ links Qt Core, Qt Concurrent (it reads on
# every core) and the scoresheet (it reads games through it) only.
file(READ "${SOURCE_DIR}/season/CMakeLists.txt" season_cmake)
string(REGEX MATCHALL "target_link_libraries\\(quorvel_season[^)]*\\)" season_links "${season_cmake}")
string(REGEX REPLACE "target_link_libraries\\(quorvel_season|PUBLIC|PRIVATE|INTERFACE|\\)" "" season_links "${season_links}")
separate_arguments(season_links)
foreach(library IN LISTS season_links)
  if(library STREQUAL "")
    continue()
  endif()
  if(NOT library MATCHES "^(quorvel_scoresheet|Qt6::Core|Qt6::Concurrent)$")
    list(APPEND violations "season/CMakeLists.txt: links ${library}")
  endif()
endforeach()

if(violations)
  list(JOIN violations "\n  " report)
  message(FATAL_ERROR "Includes that reach upwards or sideways:\n  ${report}")
endif()
message(STATUS "${checked} sources include only from below them")
