# Icons and pictures under ":/images/", translation catalogues under ":/ts/".
set(_res_dir ${PROJECT_SOURCE_DIR}/resources)

file(GLOB _images CONFIGURE_DEPENDS
     ${_res_dir}/images/*.png ${_res_dir}/images/*.gif ${_res_dir}/images/*.jpg)
if(_images)
    qt_add_resources(rotavue_widgets "rotavue_images"
        PREFIX "/images"
        BASE ${_res_dir}/images
        FILES ${_images})
endif()

file(GLOB _ts_files CONFIGURE_DEPENDS ${_res_dir}/ts/*.ts)
if(_ts_files)
    qt_add_translations(rotavue_widgets
        TS_FILES ${_ts_files}
        RESOURCE_PREFIX "/ts"
        LRELEASE_OPTIONS -silent)
endif()
