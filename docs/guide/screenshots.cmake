# Renders the guide's pictures with the program's screenshot mode: the main window on
# each tutorial page (page1.png .. page5.png), then the data point editor (points.png)
# and the error surface window (surface.png) as they are on the last page.
#   cmake -DPROGRAM=<slopelab> -DLANGUAGE=<code> -DOUTPUT=<folder> -P screenshots.cmake
foreach(page RANGE 1 5)
  set(shots ${OUTPUT}/shots-${page})
  execute_process(
    COMMAND ${PROGRAM} --screenshot ${shots} --seed 1 --page ${page} --language ${LANGUAGE}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} could not render page ${page}: ${status}")
  endif()
  file(RENAME ${shots}/main.png ${OUTPUT}/page${page}.png)
  if(page EQUAL 5)
    file(RENAME ${shots}/points.png ${OUTPUT}/points.png)
    file(RENAME ${shots}/surface.png ${OUTPUT}/surface.png)
  endif()
  file(REMOVE_RECURSE ${shots})
endforeach()
