# The browser build: the program compiled to WebAssembly with the web host, and the static site
# around it in site/ of the build folder (page, script modules, style, subset fonts, glossary).
file(GLOB web_host_srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/platform/web/*.cpp)
target_sources(velorin PRIVATE ${web_host_srcs})
set(VELORIN_SITE ${CMAKE_BINARY_DIR}/site)
set_target_properties(velorin PROPERTIES SUFFIX ".js" RUNTIME_OUTPUT_DIRECTORY ${VELORIN_SITE})
# Asyncify lets a modal dialog's loop wait for the page; it rewrites every function that may be on
# the stack while the program waits for an event. asyncify-remove.json names the code that never
# is (painting, formatting, the JSON and SVG writers, the containers, strings and streams of the
# C++ library): leaving it as it is makes the WebAssembly about 40 % smaller. A
# function listed there must never reach a modal loop.
target_link_options(velorin PRIVATE -Oz
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=131072
  -sASYNCIFY_REMOVE=@${CMAKE_CURRENT_SOURCE_DIR}/web/asyncify-remove.json
  -sMODULARIZE -sEXPORT_ES6 -sEXPORT_NAME=createVelorin -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH -sINITIAL_MEMORY=8MB -sTOTAL_STACK=1MB
  "-sEXPORTED_FUNCTIONS=_main,_velorin_state,_velorin_menu,_velorin_svg,_malloc,_free"
  "-sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,lengthBytesUTF8,callMain,FS")

set_property(TARGET velorin APPEND PROPERTY LINK_DEPENDS
             ${CMAKE_CURRENT_SOURCE_DIR}/web/asyncify-remove.json)

file(GLOB site_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/web/*.html
     ${CMAKE_CURRENT_SOURCE_DIR}/web/*.js ${CMAKE_CURRENT_SOURCE_DIR}/web/*.css
     ${CMAKE_CURRENT_SOURCE_DIR}/web/*.webmanifest)
list(FILTER site_files EXCLUDE REGEX "/sw\\.js$")  # written with the build's file list below
set(site_outputs)
foreach(f ${site_files})
  get_filename_component(name ${f} NAME)
  add_custom_command(OUTPUT ${VELORIN_SITE}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${VELORIN_SITE}/${name} DEPENDS ${f})
  list(APPEND site_outputs ${VELORIN_SITE}/${name})
endforeach()

# The fonts hold only the characters the program can draw, so the first load stays small.
file(GLOB_RECURSE font_inputs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/src/*.h ${CMAKE_CURRENT_SOURCE_DIR}/src/*.hlp)
add_custom_command(OUTPUT ${VELORIN_SITE}/fonts/ipag.woff2 ${VELORIN_SITE}/fonts/ipagp.woff2
                          ${VELORIN_SITE}/fonts/ipam.woff2
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/subset-fonts ${VELORIN_SITE}/fonts
          ${CMAKE_CURRENT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR}/web
  COMMAND ${CMAKE_COMMAND} -E copy /usr/share/doc/fonts-ipafont-gothic/copyright
          ${VELORIN_SITE}/fonts/LICENSE.txt
  DEPENDS ${font_inputs} ${site_files} ${CMAKE_CURRENT_SOURCE_DIR}/scripts/subset-fonts)
add_custom_command(OUTPUT ${VELORIN_SITE}/glossary.html
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/src/resources/math.hlp
          ${VELORIN_SITE}/glossary.html
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/resources/math.hlp)
set(icon_outputs)
foreach(size 32 128 256)
  set(src ${CMAKE_CURRENT_SOURCE_DIR}/packaging/icons/${size}x${size}/velorin.png)
  if(EXISTS ${src})
    add_custom_command(OUTPUT ${VELORIN_SITE}/icon-${size}.png
      COMMAND ${CMAKE_COMMAND} -E copy ${src} ${VELORIN_SITE}/icon-${size}.png DEPENDS ${src})
    list(APPEND icon_outputs ${VELORIN_SITE}/icon-${size}.png)
  endif()
endforeach()
add_custom_command(OUTPUT ${VELORIN_SITE}/icon.svg
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/packaging/icons/velorin.svg
          ${VELORIN_SITE}/icon.svg
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/packaging/icons/velorin.svg)
add_custom_target(velorin_site ALL DEPENDS ${site_outputs} ${VELORIN_SITE}/fonts/ipag.woff2
                  ${VELORIN_SITE}/glossary.html ${icon_outputs} ${VELORIN_SITE}/icon.svg)

# The service worker comes last: it lists every file of the finished site under a version that
# changes with any of them.
add_custom_command(OUTPUT ${VELORIN_SITE}/sw.js
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/precache ${VELORIN_SITE}
          ${CMAKE_CURRENT_SOURCE_DIR}/web/sw.js
  DEPENDS velorin velorin_site ${site_outputs} ${icon_outputs} ${VELORIN_SITE}/icon.svg
          ${VELORIN_SITE}/glossary.html ${VELORIN_SITE}/fonts/ipag.woff2
          ${CMAKE_CURRENT_SOURCE_DIR}/web/sw.js ${CMAKE_CURRENT_SOURCE_DIR}/scripts/precache)
add_custom_target(velorin_offline ALL DEPENDS ${VELORIN_SITE}/sw.js)
