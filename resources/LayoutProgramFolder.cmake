# Lays out data/ and images/ of the program folder: the shipped files are
# copied when they changed. The collection is never touched: a folder without
# one gets the demo collection from scripts/run.sh.
file(MAKE_DIRECTORY ${PROGRAM_DIR}/data ${PROGRAM_DIR}/images)
foreach(shipped AddPicture.bmp Quillory.xsl quilloryNews.xsl)
  file(COPY_FILE ${SOURCE_DIR}/${shipped} ${PROGRAM_DIR}/data/${shipped} ONLY_IF_DIFFERENT)
endforeach()
