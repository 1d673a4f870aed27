# The model libraries stand at the bottom: roll/, scoresheet/ and season/ include nothing
# from the folders above them (app/, services/, ui/, tools/, tests/, bench/) and nothing of
# Qt beyond Qt Core (season/ also reads on every core with Qt Concurrent); season/ reads
# games through scoresheet/ and has nothing to do with the dice (roll/).
# Run as: cmake -DSOURCE_DIR=<repository> -P CheckLayering.cmake
set(upward "app|services|ui|tools|tests|bench")
set(gui_modules "QtGui|QtWidgets|QtMultimedia|QtPrintSupport")
# Qt's class headers of the modules above Core that a model file might reach for.
set(gui_classes "QWidget|QApplication|QGuiApplication|QPainter|QImage|QPixmap|QColor|QFont|QAction|QLineEdit|QLabel|QSoundEffect|QPrinter")

set(violations "")
foreach(folder roll scoresheet season)
  set(forbidden "${upward}")
  if(folder STREQUAL "season")
    set(forbidden "${upward}|roll")
  endif()
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      if(line MATCHES "#[ \t]*include[ \t]*[\"<](${forbidden})/"
         OR line MATCHES "#[ \t]*include[ \t]*<(${gui_modules})(/|>)"
         OR line MATCHES "#[ \t]*include[ \t]*<(${gui_classes})>")
        file(RELATIVE_PATH where "${SOURCE_DIR}" "${source}")
        string(STRIP "${line}" line)
        list(APPEND violations "${where}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

# The libraries' link lines say the same: season/ links Qt Core, Qt Concurrent and the scoresheet only.
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
  message(FATAL_ERROR "The model libraries reach upwards:\n  ${report}")
endif()
message(STATUS "roll/, scoresheet/ and season/ include nothing from above them")
