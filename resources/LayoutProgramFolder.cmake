# Lays out data/ and images/ of the program folder: the shipped files are
# copied when they changed; the collection file is created empty when missing.
file(MAKE_DIRECTORY ${PROGRAM_DIR}/data ${PROGRAM_DIR}/images)
foreach(shipped AddPicture.bmp Quillory.xsl quilloryNews.xsl)
  file(COPY_FILE ${SOURCE_DIR}/${shipped} ${PROGRAM_DIR}/data/${shipped} ONLY_IF_DIFFERENT)
endforeach()
if(NOT EXISTS ${PROGRAM_DIR}/data/quillory.db)
  file(TOUCH ${PROGRAM_DIR}/data/quillory.db)
endif()
