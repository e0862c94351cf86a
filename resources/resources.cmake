# Resources are attached to rotavue_widgets by resources.cmake (included from src/).
# Icons and pictures under ":/images/", translation catalogues under ":/ts/".
set(_res_dir ${PROJECT_SOURCE_DIR}/resources)

# Every picture is named here: a picture added to resources/images/ (by
# scripts/make-images.sh or by hand) is embedded once it is listed.
set(_images
    images/A.png
    images/cursor_hand.png
    images/default_ui.png
    images/design.png
    images/download_file.png
    images/edit_delete.png
    images/en_us.png
    images/eraser.png
    images/ic_flowers.png
    images/import_gif.png
    images/import_media.png
    images/line.png
    images/logo2.jpg
    images/moins.png
    images/open.png
    images/open_card.png
    images/paintbrush.png
    images/play.png
    images/plus.png
    images/preview_usb.png
    images/progress.gif
    images/rect.png
    images/rect_round.png
    images/round2.png
    images/stop.png
    images/write.png
    images/xine.png
    images/zh_cn.png
    images/zh_hk.png
)
list(TRANSFORM _images PREPEND ${_res_dir}/)
qt_add_resources(rotavue_widgets "rotavue_images"
    PREFIX "/images"
    BASE ${_res_dir}/images
    FILES ${_images})

# The application's catalogues, one per language, compiled by lrelease.
set(ROTAVUE_TS_FILES
    ${_res_dir}/ts/translate_zh_CN.ts
    ${_res_dir}/ts/translate_zh_HK.ts
    ${_res_dir}/ts/translate_en_US.ts
    CACHE INTERNAL "The application's translation catalogues")
set(_qm_dir ${PROJECT_BINARY_DIR}/ts)
file(MAKE_DIRECTORY ${_qm_dir})
set_source_files_properties(${ROTAVUE_TS_FILES} PROPERTIES OUTPUT_LOCATION ${_qm_dir})
qt_add_lrelease(rotavue_widgets
    TS_FILES ${ROTAVUE_TS_FILES}
    QM_FILES_OUTPUT_VARIABLE _app_qm
    OPTIONS -silent)

# The toolkit's own texts in Chinese, from Debian's qt6-translations-l10n.
# Debian's qt_zh_CN.qm only names the module catalogues it depends on, so the
# widgets' catalogue (qtbase) is converted into a catalogue that stands alone.
find_path(ROTAVUE_QT_TRANSLATIONS_DIR qtbase_zh_CN.qm
    PATHS /usr/share/qt6/translations ${QT6_INSTALL_PREFIX}/translations
    NO_DEFAULT_PATH)
if(NOT ROTAVUE_QT_TRANSLATIONS_DIR)
    message(FATAL_ERROR "Qt's Chinese catalogues not found: run scripts/install-deps.sh (package qt6-translations-l10n).")
endif()
set(_qt_qm)
foreach(_lang zh_CN zh_TW)
    set(_out ${_qm_dir}/qt_${_lang}.qm)
    add_custom_command(OUTPUT ${_out}
        COMMAND Qt6::lconvert -i ${ROTAVUE_QT_TRANSLATIONS_DIR}/qtbase_${_lang}.qm -o ${_out}
        DEPENDS ${ROTAVUE_QT_TRANSLATIONS_DIR}/qtbase_${_lang}.qm
        VERBATIM)
    list(APPEND _qt_qm ${_out})
endforeach()

qt_add_resources(rotavue_widgets "rotavue_translations"
    PREFIX "/ts"
    BASE ${_qm_dir}
    FILES ${_app_qm} ${_qt_qm})

# One command brings the catalogues up to date with every text the code
# passes through tr(): cmake --build build --target update_translations
# (qt_add_lupdate's global target; it runs rotavue_lupdate).
# Without line numbers, so that edits elsewhere in a file change nothing.
set(ROTAVUE_LUPDATE_OPTIONS -locations none -silent CACHE INTERNAL "lupdate's options for the catalogues")

# The texts live in the core, the widgets and the program: every source of
# theirs under src/, generated files left out.
set(_src_root ${PROJECT_SOURCE_DIR}/src)
set(_tr_sources)
foreach(_target rotavue_core rotavue_widgets rotavue)
    get_target_property(_dir ${_target} SOURCE_DIR)
    get_target_property(_sources ${_target} SOURCES)
    foreach(_source IN LISTS _sources)
        if(_source MATCHES "^\\$<")
            continue()
        endif()
        cmake_path(ABSOLUTE_PATH _source BASE_DIRECTORY ${_dir} NORMALIZE)
        cmake_path(IS_PREFIX _src_root "${_source}" _ours)
        if(_ours AND _source MATCHES "\\.(h|cpp|ui)$")
            list(APPEND _tr_sources ${_source})
        endif()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES _tr_sources)
list(SORT _tr_sources)
set(ROTAVUE_LUPDATE_SOURCES ${_tr_sources} CACHE INTERNAL "The sources lupdate reads the texts from")
set(ROTAVUE_LUPDATE_INCLUDES ${PROJECT_SOURCE_DIR}/src CACHE INTERNAL "Where lupdate finds the sources' headers")

qt_add_lupdate(rotavue
    TS_FILES ${ROTAVUE_TS_FILES}
    SOURCES ${ROTAVUE_LUPDATE_SOURCES}
    INCLUDE_DIRECTORIES ${ROTAVUE_LUPDATE_INCLUDES}
    OPTIONS ${ROTAVUE_LUPDATE_OPTIONS})
