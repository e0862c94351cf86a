<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>action_title_default</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>action_title_download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>action_title_import_gif</source>
        <translation>Import GIF Picture</translation>
    </message>
    <message>
        <source>action_title_import_video</source>
        <translation>Import Video</translation>
    </message>
    <message>
        <source>action_title_menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>action_title_new_diy</source>
        <translation>New DIY</translation>
    </message>
    <message>
        <source>action_title_open_image</source>
        <translation>Import Picture</translation>
    </message>
    <message>
        <source>action_title_preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>dialog_title_download_suc</source>
        <translation>Download success: %1</translation>
    </message>
    <message>
        <source>dialog_title_downloading</source>
        <translation>Downloading to the U disk, Please don't cancel!</translation>
    </message>
    <message>
        <source>dialog_title_load_gif</source>
        <translation>Import GIF file</translation>
    </message>
    <message>
        <source>dialog_title_load_picture</source>
        <translation>Import Picture File</translation>
    </message>
    <message>
        <source>dialog_title_not_find_default</source>
        <translation>The system default file does not exist!</translation>
    </message>
    <message>
        <source>dialog_title_preview_error1</source>
        <translation>No effect of U disk file, please select another U disk!</translation>
    </message>
    <message>
        <source>dialog_title_reading_sys</source>
        <translation>Reading the default file, please do not cancel!</translation>
    </message>
    <message>
        <source>dialog_title_reading_usb</source>
        <translation>Reading data from the U disk, please do not cancel!</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>menu_title_tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>图片列表</source>
        <translation>Picture List</translation>
    </message>
    <message>
        <source>视频列表</source>
        <translation>Video List</translation>
    </message>
    <message>
        <source>编辑图片</source>
        <translation>Picture editing</translation>
    </message>
    <message>
        <source>删除图片</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>编辑视频</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>图片最多只能包含%1张图片！</source>
        <translation>The picture list can hold at most %1 pictures!</translation>
    </message>
    <message>
        <source>颜色调试参数</source>
        <translation>Colour calibration</translation>
    </message>
    <message>
        <source>调整对比度</source>
        <translation>Adjust contrast</translation>
    </message>
</context>
<context>
    <name>ImageObjectWidget</name>
    <message>
        <source>imgwidget_lbl_text2</source>
        <translation>%1 </translation>
    </message>
    <message>
        <source>imgwidget_lbl_text3</source>
        <translation> </translation>
    </message>
    <message>
        <source>imgwidget_lbl_text4</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>ListImageItemDelegate</name>
    <message>
        <source>imgwidget_lbl_text2</source>
        <translation>%1 </translation>
    </message>
    <message>
        <source>imgwidget_lbl_text3</source>
        <translation> </translation>
    </message>
    <message>
        <source>imgwidget_lbl_text4</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>MediaObjectWidget</name>
    <message>
        <source>videowidget_lbl_loopcount</source>
        <translation>Cycle times</translation>
    </message>
    <message>
        <source>videowidget_lbl_text</source>
        <translation>%1 picture, show %2 s</translation>
    </message>
</context>
<context>
    <name>ListMediaItemDelegate</name>
    <message>
        <source>videowidget_lbl_text</source>
        <translation>%1 picture, show %2 s</translation>
    </message>
    <message>
        <source>循环次数</source>
        <translation>Cycle times</translation>
    </message>
</context>
<context>
    <name>LoadGifDialog</name>
    <message>
        <source>action_btn_cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>loadgif_loading_tip</source>
        <translation>Importing GIF pictures,Please don't cancel!</translation>
    </message>
</context>
<context>
    <name>LoadImagesDialog</name>
    <message>
        <source>action_btn_cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>action_btn_load_over</source>
        <translation>Import completed</translation>
    </message>
    <message>
        <source>loadimg_loading_showpath</source>
        <translation>Picture the path and file name:%1</translation>
    </message>
    <message>
        <source>loadimg_loading_tip</source>
        <translation>Importing the %1 picture, a total of %2 picture</translation>
    </message>
    <message>
        <source>loadimg_window_title</source>
        <translation>Import Image</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>action_btn_cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>SelectUsbPathDialog</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>selectusb_title</source>
        <translation>Please select U disk path.</translation>
    </message>
    <message>
        <source>选择U盘路径</source>
        <translation>Please select U disk path.</translation>
    </message>
    <message>
        <source>当前检测到的所有U盘：</source>
        <translation>All the current U disk detected:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>GetSaveFileDialog</name>
    <message>
        <source>请输入保存的文件名</source>
        <translation>Please enter the file name!</translation>
    </message>
    <message>
        <source>请输入保存的文件名！</source>
        <translation>Please enter the file name!</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>SetSaveParamsDialog</name>
    <message>
        <source>设置U盘参数</source>
        <translation>Set parameters</translation>
    </message>
    <message>
        <source>图片和视频都播放</source>
        <translation>Picture And Video</translation>
    </message>
    <message>
        <source>只播放视频</source>
        <translation>Only Video</translation>
    </message>
    <message>
        <source>只播放图片</source>
        <translation>Only Picture</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>GetImgeLocationDialog</name>
    <message>
        <source>放大图片</source>
        <translation>ZoomIn</translation>
    </message>
    <message>
        <source>缩小图片</source>
        <translation>ZoomOut</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>SettingColorForm</name>
    <message>
        <source>颜色参数设置</source>
        <translation>Colour calibration</translation>
    </message>
</context>
<context>
    <name>DiyForm</name>
    <message>
        <source>DIY图形</source>
        <translation>DIY</translation>
    </message>
    <message>
        <source>画图工具</source>
        <translation>Drawing tools</translation>
    </message>
    <message>
        <source>选择DIY样式：</source>
        <translation>DIY style:</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rect</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>圆矩</source>
        <translation>RRect</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>擦写</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>画笔类型：</source>
        <translation>Brush type:</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>The solid line</translation>
    </message>
    <message>
        <source>点线</source>
        <translation>The dotted line</translation>
    </message>
    <message>
        <source>画笔线宽：</source>
        <translation>Brush width:</translation>
    </message>
    <message>
        <source>画笔颜色：</source>
        <translation>Pen color:</translation>
    </message>
    <message>
        <source>填充颜色：</source>
        <translation>Fill color:</translation>
    </message>
    <message>
        <source>字体：</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>选择字体</source>
        <translation>Select the font</translation>
    </message>
    <message>
        <source>字体颜色：</source>
        <translation>Font color:</translation>
    </message>
    <message>
        <source>文字排列方式：</source>
        <translation>Arrangement of text:</translation>
    </message>
    <message>
        <source>水平排列</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>垂直排列</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>环形排列</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>半径：</source>
        <translation>Radius:</translation>
    </message>
    <message>
        <source>背景颜色：</source>
        <translation>Background color:</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>ZoomIn</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>ZoomOut</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Revoke</translation>
    </message>
    <message>
        <source>画完了</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>放弃DIY效果</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>diyform_save_diy_tip</source>
        <translation>Do you want to save the DIY effect to the computer?</translation>
    </message>
    <message>
        <source>diyform_save_diy_selectfile</source>
        <translation>Save the DIY effect</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Images (*.png)</translation>
    </message>
    <message>
        <source>diyform_cancel_diy_title</source>
        <translation>Really want to give up the effect of DIY?</translation>
    </message>
    <message>
        <source>diyform_lblfont_title</source>
        <translation>Font name:%1
 font size:%2</translation>
    </message>
    <message>
        <source>Airal Black</source>
        <translation>Airal Black</translation>
    </message>
</context>
<context>
    <name>DiyPictureFlow</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>DamagedGifQuestion</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>DownloadFlow</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>dialog_title_downloading</source>
        <translation>Downloading to the U disk, Please don't cancel!</translation>
    </message>
    <message>
        <source>dialog_title_download_suc</source>
        <translation>Download success: %1</translation>
    </message>
</context>
<context>
    <name>PlaylistImport</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>图片最多只能包含%1张图片！</source>
        <translation>The picture list can hold at most %1 pictures!</translation>
    </message>
    <message>
        <source>dialog_title_load_picture</source>
        <translation>Import Picture File</translation>
    </message>
    <message>
        <source>dialog_title_load_gif</source>
        <translation>Import GIF file</translation>
    </message>
</context>
</TS>
