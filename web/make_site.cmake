# Makes the site folder: the page's files, the native module and the
# program's icons, and the service worker with the list of every file and a
# version made from their contents, so that a changed site replaces the one
# a browser has cached. Run as
#   cmake -DPAGE_SOURCE=web/site -DICONS=packaging/icons -DMODULE=.../parabel.js
#         -DSITE=build-web/site -P make_site.cmake
file(REMOVE_RECURSE ${SITE})
file(COPY ${PAGE_SOURCE}/ DESTINATION ${SITE} PATTERN sw.js.in EXCLUDE)
get_filename_component(module_dir ${MODULE} DIRECTORY)
get_filename_component(module_name ${MODULE} NAME_WE)
file(COPY ${MODULE} ${module_dir}/${module_name}.wasm DESTINATION ${SITE})
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
