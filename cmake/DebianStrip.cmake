# Run by CPack on the staged files before it makes the package: the programs lose the
# compiler's notes as well, as Debian's own packages do (dh_strip), having lost their
# symbols to CPACK_STRIP_FILES.
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*")
foreach(program ${programs})
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${program}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
