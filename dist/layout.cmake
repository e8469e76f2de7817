# Where the installed program keeps its files, and the same layout in the build tree.
# The program finds its files relative to its own folder, so an installed copy works
# under any prefix (and unpacked anywhere), and the build tree's program finds the
# files copied there.
include(GNUInstallDirs)

set(SLOPELAB_APP_ID org.slopelab.SlopeLab)
set(SLOPELAB_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/slopelab)
set(SLOPELAB_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/slopelab)
set(SLOPELAB_INSTALL_ICONDIR ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor)

# For each installed folder: its path relative to the program's folder, and its place
# in the build tree.
foreach(folder DATADIR DOCDIR ICONDIR)
  cmake_path(ABSOLUTE_PATH SLOPELAB_INSTALL_${folder} BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
             OUTPUT_VARIABLE installed)
  cmake_path(RELATIVE_PATH installed BASE_DIRECTORY ${CMAKE_INSTALL_FULL_BINDIR}
             OUTPUT_VARIABLE SLOPELAB_${folder}_FROM_PROGRAM)
  cmake_path(ABSOLUTE_PATH SLOPELAB_${folder}_FROM_PROGRAM
             BASE_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY} NORMALIZE
             OUTPUT_VARIABLE SLOPELAB_BUILD_${folder})
endforeach()
