# Small helpers shared by the folders' CMakeLists.

# Sources of one folder (not its sub-folders), re-globbed when files are added.
function(zephine_glob out dir)
  file(GLOB found CONFIGURE_DEPENDS "${dir}/*.cpp")
  set(${out} ${found} PARENT_SCOPE)
endfunction()
