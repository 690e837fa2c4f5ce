# Lays out data/ and images/ of the program folder: the shipped files are
# copied when they changed; the collection file is created empty when missing.
file(MAKE_DIRECTORY ${PROGRAM_DIR}/data ${PROGRAM_DIR}/images)
file(COPY_FILE ${SOURCE_DIR}/AddPicture.bmp ${PROGRAM_DIR}/data/AddPicture.bmp ONLY_IF_DIFFERENT)
if(NOT EXISTS ${PROGRAM_DIR}/data/quillory.db)
  file(TOUCH ${PROGRAM_DIR}/data/quillory.db)
endif()
