# Makes the site folder: the page's files (the style sheet minified), its
# JavaScript modules and the native module's loader bundled into one
# minified module (app.js, so that a first visit fetches three files before
# the page can start, not twenty), the native module and the program's
# icons, and the service worker with the list of every file and a version
# made from their contents, so that a changed site replaces the one a
# browser has cached. Run as
#   cmake -DPAGE_SOURCE=web/site -DICONS=packaging/icons -DMODULE=.../parabel.js
#         -DESBUILD=/usr/bin/esbuild -DSITE=build-web/site -DGENERATED=.../page -P make_site.cmake
file(REMOVE_RECURSE ${SITE})
file(COPY ${PAGE_SOURCE}/ DESTINATION ${SITE} PATTERN *.in EXCLUDE PATTERN js EXCLUDE)
# The page and the manifest the generator wrote from their templates.
file(COPY ${GENERATED}/index.html ${GENERATED}/manifest.webmanifest DESTINATION ${SITE})
get_filename_component(module_dir ${MODULE} DIRECTORY)
get_filename_component(module_name ${MODULE} NAME_WE)
file(COPY ${module_dir}/${module_name}.wasm DESTINATION ${SITE})
# The modules import the loader as ../parabel.js, beside their folder.
set(sources ${SITE}/../site-sources)
file(REMOVE_RECURSE ${sources})
file(COPY ${PAGE_SOURCE}/js DESTINATION ${sources})
file(COPY ${MODULE} DESTINATION ${sources})
execute_process(
    COMMAND ${ESBUILD} ${sources}/js/main.js --bundle --format=esm --minify
            --target=es2020 --log-level=warning --outfile=${SITE}/app.js
    RESULT_VARIABLE bundled)
if(NOT bundled EQUAL 0)
    message(FATAL_ERROR "esbuild could not bundle the page's modules")
endif()
# The style sheet without its comments and spaces, which the source keeps.
execute_process(
    COMMAND ${ESBUILD} ${PAGE_SOURCE}/style.css --minify --log-level=warning
            --outfile=${SITE}/style.css
    RESULT_VARIABLE minified)
if(NOT minified EQUAL 0)
    message(FATAL_ERROR "esbuild could not minify the page's style sheet")
endif()
file(GLOB icons ${ICONS}/*.png ${ICONS}/*.svg)
file(COPY ${icons} DESTINATION ${SITE}/icons)

file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(SORT files)
set(contents "")
set(PRECACHE "    \"./\",\n")
foreach(name IN LISTS files)
    file(SHA256 ${SITE}/${name} hash)
    string(APPEND contents "${name} ${hash}\n")
    string(APPEND PRECACHE "    \"./${name}\",\n")
endforeach()
string(SHA256 VERSION "${contents}")
string(SUBSTRING ${VERSION} 0 16 VERSION)
configure_file(${PAGE_SOURCE}/sw.js.in ${SITE}/sw.js @ONLY)
