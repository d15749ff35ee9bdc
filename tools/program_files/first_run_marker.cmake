# A program folder without a configuration is a fresh installation: it carries ilk.sil, so
# the first start writes the default settings (Turkish interface, data folder <root>/Limdat).
if(NOT EXISTS "${PROGRAM_FOLDER}/Kovu3.ini" AND NOT EXISTS "${PROGRAM_FOLDER}/ilk.sil")
    file(TOUCH "${PROGRAM_FOLDER}/ilk.sil")
endif()
