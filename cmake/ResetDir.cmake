# cmake -DDIR=<folder> [-DSUBDIRS=a;b] -P ResetDir.cmake: empties the folder and recreates the listed subfolders.
file(REMOVE_RECURSE "${DIR}")
file(MAKE_DIRECTORY "${DIR}")
foreach(sub IN LISTS SUBDIRS)
    file(MAKE_DIRECTORY "${sub}")
endforeach()
