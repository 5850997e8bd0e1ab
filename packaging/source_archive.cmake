# Read by CPack for every package it makes. The source archive, whose configuration alone names
# folders to pack, is the tree itself: no installation below /usr, no program to move.
if(CPACK_INSTALLED_DIRECTORIES)
    set(CPACK_PACKAGING_INSTALL_PREFIX /)
    set(CPACK_PRE_BUILD_SCRIPTS "")
endif()
