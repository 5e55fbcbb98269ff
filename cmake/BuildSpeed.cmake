# A cold build is mostly the Qt headers parsed again for every file. They are
# precompiled once per kind of target (the core without widgets, the windows, the
# tests), and ccache is used where it is installed; both can be turned off.
option(BRISKO_PRECOMPILED_HEADERS "Precompile the Qt and standard headers" ON)
option(BRISKO_USE_CCACHE "Compile through ccache when it is installed" ON)

# ccache only takes a precompiled header with these sloppinesses; they are set for
# this build alone, through the launcher, never in the cache's own configuration.
if(BRISKO_USE_CCACHE)
  if(NOT CMAKE_CXX_COMPILER_LAUNCHER)
    find_program(BRISKO_CCACHE ccache)
    if(BRISKO_CCACHE)
      set(CMAKE_CXX_COMPILER_LAUNCHER ${BRISKO_CCACHE})
    endif()
  endif()
  if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache$")
    set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${CMAKE_CXX_COMPILER_LAUNCHER})
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND BRISKO_PRECOMPILED_HEADERS)
      add_compile_options(-fpch-preprocess)
    endif()
  endif()
endif()

set(BRISKO_PCH_CORE
    <algorithm> <array> <cmath> <functional> <memory> <optional> <vector>
    <QByteArray> <QColor> <QDir> <QFile> <QFileInfo> <QImage> <QList> <QObject>
    <QPainter> <QPainterPath> <QPoint> <QPolygon> <QRect> <QRegion> <QString>
    <QStringList> <QVector>)
# The widgets most windows use, not the whole module: a header of every widget
# makes a precompiled header so large that loading it costs more than it saves.
set(BRISKO_PCH_WIDGETS ${BRISKO_PCH_CORE}
    <QAbstractButton> <QApplication> <QComboBox> <QDialog> <QFrame> <QGridLayout>
    <QHBoxLayout> <QLabel> <QLineEdit> <QPushButton> <QTimer> <QVBoxLayout> <QWidget>)

# Precompiles `headers` for `target`, or takes the header `from` already made
# with the same flags.
function(brisko_precompile target)
  if(NOT BRISKO_PRECOMPILED_HEADERS)
    return()
  endif()
  cmake_parse_arguments(PCH "" "FROM" "HEADERS" ${ARGN})
  if(PCH_FROM)
    target_precompile_headers(${target} REUSE_FROM ${PCH_FROM})
  else()
    target_precompile_headers(${target} PRIVATE ${PCH_HEADERS})
  endif()
endfunction()
