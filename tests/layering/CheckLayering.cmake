# The model libraries stand at the bottom: roll/ and scoresheet/ include nothing from
# the folders above them (app/, services/, ui/, tools/, tests/) and nothing of Qt
# beyond Qt Core. Run as: cmake -DSOURCE_DIR=<repository> -P CheckLayering.cmake
set(upward "app|services|ui|tools|tests|bench")
set(gui_modules "QtGui|QtWidgets|QtMultimedia|QtPrintSupport")
# Qt's class headers of the modules above Core that a model file might reach for.
set(gui_classes "QWidget|QApplication|QGuiApplication|QPainter|QImage|QPixmap|QColor|QFont|QAction|QLineEdit|QLabel|QSoundEffect|QPrinter")

set(violations "")
foreach(folder roll scoresheet)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      if(line MATCHES "#[ \t]*include[ \t]*[\"<](${upward})/"
         OR line MATCHES "#[ \t]*include[ \t]*<(${gui_modules})(/|>)"
         OR line MATCHES "#[ \t]*include[ \t]*<(${gui_classes})>")
        file(RELATIVE_PATH where "${SOURCE_DIR}" "${source}")
        string(STRIP "${line}" line)
        list(APPEND violations "${where}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " report)
  message(FATAL_ERROR "The model libraries reach upwards:\n  ${report}")
endif()
message(STATUS "roll/ and scoresheet/ include nothing from above them")
