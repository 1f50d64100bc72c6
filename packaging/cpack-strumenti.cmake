# Read by CPack before it packs: the tools that work out what the package depends on
# must be there. Without dpkg-shlibdeps CPack would make, silently, a package that depends
# on none of the libraries the program links (Qt, libc, libstdc++); without file it
# stops with a message that names no package to install.
# A tool counts only if it can run (a file that cannot be executed is no tool).
cmake_policy(SET CMP0109 NEW)
find_program(ALMANACCO_FILE file)
find_program(ALMANACCO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT ALMANACCO_FILE OR NOT ALMANACCO_DPKG_SHLIBDEPS)
  message(FATAL_ERROR "The package needs file and dpkg-shlibdeps to work out its dependencies "
                      "(Debian's packages file and dpkg-dev: scripts/install-deps --package).")
endif()
