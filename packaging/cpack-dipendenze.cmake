# Run by CPack after it packs: a package whose dependencies on the shared libraries were
# not worked out is removed, and the packing fails.
foreach(pacchetto IN LISTS CPACK_PACKAGE_FILES)
  execute_process(COMMAND dpkg-deb -f "${pacchetto}" Depends OUTPUT_VARIABLE dipendenze
                  RESULT_VARIABLE esito OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT esito EQUAL 0 OR NOT dipendenze MATCHES "(^|[ ,])libc6[ ,(]")
    file(REMOVE "${pacchetto}")
    message(FATAL_ERROR "${pacchetto}: no dependency on the shared libraries was worked out "
                        "(Depends: ${dipendenze}); the package is removed.")
  endif()
endforeach()
