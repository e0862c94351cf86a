<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CardFileName</name>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;. Enter a name without a folder; the card file always goes to the root of the stick.</source>
        <translation>The file name &quot;%1&quot; contains &quot;%2&quot;. Enter a name without a folder; the card file always goes to the root of the stick.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a control character, which a USB stick cannot store. Please enter another name.</source>
        <translation>The file name &quot;%1&quot; contains a control character, which a USB stick cannot store. Please enter another name.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;, which a USB stick cannot store in a file name. Please leave out any of %3.</source>
        <translation>The file name &quot;%1&quot; contains &quot;%2&quot;, which a USB stick cannot store in a file name. Please leave out any of %3.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is made only of dots and spaces. Please enter a name with letters or digits.</source>
        <translation>The file name &quot;%1&quot; is made only of dots and spaces. Please enter a name with letters or digits.</translation>
    </message>
    <message>
        <source>The file name &quot;%1...&quot; is too long for a USB stick. Please enter a shorter name.</source>
        <translation>The file name &quot;%1...&quot; is too long for a USB stick. Please enter a shorter name.</translation>
    </message>
    <message>
        <source>Please enter a name for the card file.</source>
        <translation>Please enter a name for the card file.</translation>
    </message>
</context>
<context>
    <name>CardFileOpen</name>
    <message>
        <source>it does not exist</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>it cannot be opened (%1)</translation>
    </message>
</context>
<context>
    <name>CardReadFlow</name>
    <message>
        <source>Open card</source>
        <translation>Open card</translation>
    </message>
    <message>
        <source>Card files (*.bin);;All files (*)</source>
        <translation>Card files (*.bin);;All files (*)</translation>
    </message>
    <message>
        <source>Reading %1 replaces the playlist (pictures: %2, sequences: %3). Replace it?</source>
        <translation>Reading %1 replaces the playlist (pictures: %2, sequences: %3). Replace it?</translation>
    </message>
    <message>
        <source>It replaces the playlist (pictures: %1, sequences: %2).</source>
        <translation>It replaces the playlist (pictures: %1, sequences: %2).</translation>
    </message>
    <message>
        <source>the factory content</source>
        <translation>the factory content</translation>
    </message>
    <message>
        <source>The card %1 does not fit a display of %2 LEDs and %3 lines, nor any other display: its size is not the table of contents and whole blocks of one size. The file may be damaged or cut short.</source>
        <translation>The card %1 does not fit a display of %2 LEDs and %3 lines, nor any other display: its size is not the table of contents and whole blocks of one size. The file may be damaged or cut short.</translation>
    </message>
    <message>
        <source>The card %1 was made for a display of %2 LEDs and %3 lines; the display is set to %4 LEDs and %5 lines. Switch to %2 LEDs and %3 lines and open the card?</source>
        <translation>The card %1 was made for a display of %2 LEDs and %3 lines; the display is set to %4 LEDs and %5 lines. Switch to %2 LEDs and %3 lines and open the card?</translation>
    </message>
    <message>
        <source>Reading the card, please wait.</source>
        <translation>Reading the card, please wait.</translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>The card %1 is damaged: entry %2 of its table is neither a picture nor a sequence.</source>
        <translation>The card %1 is damaged: entry %2 of its table is neither a picture nor a sequence.</translation>
    </message>
    <message>
        <source>The card %1 is damaged: entry %2 of its table names block 0.</source>
        <translation>The card %1 is damaged: entry %2 of its table names block 0.</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: %2.</source>
        <translation>The file %1 is not a readable card: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a card: it is shorter than the %2-byte table of contents.</source>
        <translation>The file %1 is not a card: it is shorter than the %2-byte table of contents.</translation>
    </message>
    <message>
        <source>The file %1 is not a card written by Rotavue: its table of contents has no card markers.</source>
        <translation>The file %1 is not a card written by Rotavue: its table of contents has no card markers.</translation>
    </message>
    <message>
        <source>The card %1 holds no pictures and no sequences with frames.</source>
        <translation>The card %1 holds no pictures and no sequences with frames.</translation>
    </message>
    <message>
        <source>Reading the card %1 failed at block %2: %3.</source>
        <translation>Reading the card %1 failed at block %2: %3.</translation>
    </message>
    <message>
        <source>The card %1 does not fit a display of %2 LEDs and %3 lines.</source>
        <translation>The card %1 does not fit a display of %2 LEDs and %3 lines.</translation>
    </message>
</context>
<context>
    <name>CardTableOfContents</name>
    <message>
        <source>not a card file: it is shorter than its %1-byte table of contents.</source>
        <translation>not a card file: it is shorter than its %1-byte table of contents.</translation>
    </message>
    <message>
        <source>not a card file: the table of contents has no card markers.</source>
        <translation>not a card file: the table of contents has no card markers.</translation>
    </message>
</context>
<context>
    <name>CardWriter</name>
    <message>
        <source>picture %1</source>
        <translation>picture %1</translation>
    </message>
    <message>
        <source>frame %1 of sequence %2</source>
        <translation>frame %1 of sequence %2</translation>
    </message>
    <message>
        <source>Not enough space for the card file %1: it needs %2, but only %3 are free on %4. Free some space or use another stick.</source>
        <translation>Not enough space for the card file %1: it needs %2, but only %3 are free on %4. Free some space or use another stick.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>The card file %1 was written, but the data of %2 could not be read; the display shows black there. Convert those pictures again and download once more.</source>
        <translation>The card file %1 was written, but the data of %2 could not be read; the display shows black there. Convert those pictures again and download once more.</translation>
    </message>
    <message>
        <source>Cannot create the card file %1: %2.</source>
        <translation>Cannot create the card file %1: %2.</translation>
    </message>
    <message>
        <source>The download to %1 was cancelled; the card file was not saved.</source>
        <translation>The download to %1 was cancelled; the card file was not saved.</translation>
    </message>
    <message>
        <source>Writing the card file %1 failed: %2. The stick may be full or was removed; the card file was not saved.</source>
        <translation>Writing the card file %1 failed: %2. The stick may be full or was removed; the card file was not saved.</translation>
    </message>
    <message>
        <source>The card file %1 could not be saved: %2.</source>
        <translation>The card file %1 could not be saved: %2.</translation>
    </message>
    <message>
        <source>The card file %1 was written, but the stick did not confirm it: %2. Download again before removing the stick.</source>
        <translation>The card file %1 was written, but the stick did not confirm it: %2. Download again before removing the stick.</translation>
    </message>
    <message>
        <source>The card file %1 was not written.</source>
        <translation>The card file %1 was not written.</translation>
    </message>
    <message>
        <source>The old card file %1 could not be removed to make room for the new one.</source>
        <translation>The old card file %1 could not be removed to make room for the new one.</translation>
    </message>
    <message>
        <source>The old card file was removed to make room.</source>
        <translation>The old card file was removed to make room.</translation>
    </message>
    <message>
        <source>The card file %1 was not saved.</source>
        <translation>The card file %1 was not saved.</translation>
    </message>
</context>
<context>
    <name>ChosenStick</name>
    <message>
        <source>The stick %1 is no longer there: it was removed or replaced after it was chosen.</source>
        <translation>The stick %1 is no longer there: it was removed or replaced after it was chosen.</translation>
    </message>
</context>
<context>
    <name>DamagedGifQuestion</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Import the frames that can be read, or add nothing?</source>
        <translation>Import the frames that can be read, or add nothing?</translation>
    </message>
    <message>
        <source>Import the first frame</source>
        <translation>Import the first frame</translation>
    </message>
    <message>
        <source>Import %1 frames</source>
        <translation>Import %1 frames</translation>
    </message>
    <message>
        <source>Add nothing</source>
        <translation>Add nothing</translation>
    </message>
</context>
<context>
    <name>DiyForm</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
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
        <source>diyform_save_diy_selectfile</source>
        <translation>Save the DIY effect</translation>
    </message>
    <message>
        <source>diyform_save_diy_tip</source>
        <translation>Do you want to save the DIY effect to the computer?</translation>
    </message>
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
        <source>Airal Black</source>
        <translation>Airal Black</translation>
    </message>
    <message>
        <source>黑体</source>
        <translation>黑体</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>The picture could not be saved to %1: %2</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>Images (*.png)</translation>
    </message>
</context>
<context>
    <name>DiyPainter</name>
    <message>
        <source>the picture is empty (zoomed out to nothing).</source>
        <translation>the picture is empty (zoomed out to nothing).</translation>
    </message>
</context>
<context>
    <name>DiyPictureFlow</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>The DIY picture could not be saved to %1: %2</source>
        <translation>The DIY picture could not be saved to %1: %2</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>The playlist has %1 items, but the display plays only the first %2: items %3 to %1 will not play.</source>
        <translation>The playlist has %1 items, but the display plays only the first %2: items %3 to %1 will not play.</translation>
    </message>
    <message>
        <source>The card holds %1 pictures and frames, more than the %2 the display can count: it will not play correctly. Remove some pictures or frames.</source>
        <translation>The card holds %1 pictures and frames, more than the %2 the display can count: it will not play correctly. Remove some pictures or frames.</translation>
    </message>
</context>
<context>
    <name>DownloadFlow</name>
    <message>
        <source>dialog_title_tip</source>
        <translation type="vanished">Tip</translation>
    </message>
    <message>
        <source>dialog_title_downloading</source>
        <translation type="vanished">Downloading to the U disk, Please don&apos;t cancel!</translation>
    </message>
    <message>
        <source>dialog_title_download_suc</source>
        <translation type="vanished">Download success: %1</translation>
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
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation type="vanished">Tip</translation>
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
    <name>GifFrameSource</name>
    <message>
        <source>The GIF file &quot;%1&quot; cannot be imported: %2</source>
        <translation>The GIF file &quot;%1&quot; cannot be imported: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>it is a folder.</translation>
    </message>
    <message>
        <source>it is not a GIF picture.</source>
        <translation>it is not a GIF picture.</translation>
    </message>
    <message>
        <source>its pictures are too large (%1 x %2 pixels).</source>
        <translation>its pictures are too large (%1 x %2 pixels).</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete.</source>
        <translation>the file is damaged or incomplete.</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>the file is damaged: %1</translation>
    </message>
    <message>
        <source>Only its first frame can be read.</source>
        <translation>Only its first frame can be read.</translation>
    </message>
    <message>
        <source>Only its first %1 frames can be read.</source>
        <translation>Only its first %1 frames can be read.</translation>
    </message>
    <message>
        <source>The GIF file &quot;%1&quot; is damaged: %2 %3</source>
        <translation>The GIF file &quot;%1&quot; is damaged: %2 %3</translation>
    </message>
</context>
<context>
    <name>ImageFileCheck</name>
    <message>
        <source>the file does not exist.</source>
        <translation>the file does not exist.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>the file is empty.</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation type="vanished">the file cannot be opened (%1).</translation>
    </message>
</context>
<context>
    <name>ImageIntegrity</name>
    <message>
        <source>the JPEG data stops before its end marker, so the file was cut short.</source>
        <translation>the JPEG data stops before its end marker, so the file was cut short.</translation>
    </message>
    <message>
        <source>it does not start like a JPEG file.</source>
        <translation>it does not start like a JPEG file.</translation>
    </message>
    <message>
        <source>the JPEG data is damaged: a header segment is broken.</source>
        <translation>the JPEG data is damaged: a header segment is broken.</translation>
    </message>
    <message>
        <source>the JPEG data holds no picture.</source>
        <translation>the JPEG data holds no picture.</translation>
    </message>
    <message>
        <source>the JPEG data is damaged: its picture data is out of order.</source>
        <translation>the JPEG data is damaged: its picture data is out of order.</translation>
    </message>
    <message>
        <source>it does not start like a PNG file.</source>
        <translation>it does not start like a PNG file.</translation>
    </message>
    <message>
        <source>the PNG data stops before its end chunk, so the file was cut short.</source>
        <translation>the PNG data stops before its end chunk, so the file was cut short.</translation>
    </message>
    <message>
        <source>the PNG data is damaged: a chunk has an impossible length.</source>
        <translation>the PNG data is damaged: a chunk has an impossible length.</translation>
    </message>
    <message>
        <source>the PNG data is damaged: the checksum of its %1 chunk does not match.</source>
        <translation>the PNG data is damaged: the checksum of its %1 chunk does not match.</translation>
    </message>
    <message>
        <source>it does not start like a GIF file.</source>
        <translation>it does not start like a GIF file.</translation>
    </message>
    <message>
        <source>the file ends before its first frame.</source>
        <translation>the file ends before its first frame.</translation>
    </message>
    <message>
        <source>the file ends after frame %1 without its end marker.</source>
        <translation>the file ends after frame %1 without its end marker.</translation>
    </message>
    <message>
        <source>the file ends inside frame %1.</source>
        <translation>the file ends inside frame %1.</translation>
    </message>
    <message>
        <source>the GIF data holds no frame.</source>
        <translation>the GIF data holds no frame.</translation>
    </message>
    <message>
        <source>the GIF data is damaged before its first frame.</source>
        <translation>the GIF data is damaged before its first frame.</translation>
    </message>
    <message>
        <source>the GIF data is damaged after frame %1.</source>
        <translation>the GIF data is damaged after frame %1.</translation>
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
    <name>LegacyCardReader</name>
    <message>
        <source>The file %1 cannot be read for a display of %2 LEDs and %3 lines.</source>
        <translation>The file %1 cannot be read for a display of %2 LEDs and %3 lines.</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: %2.</source>
        <translation>The file %1 is not a readable card: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: it is shorter than its %2-byte header.</source>
        <translation>The file %1 is not a readable card: it is shorter than its %2-byte header.</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: it holds no complete picture or sequence for a display of %2 LEDs and %3 lines.</source>
        <translation>The file %1 is not a readable card: it holds no complete picture or sequence for a display of %2 LEDs and %3 lines.</translation>
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
        <translation>Importing GIF pictures,Please don&apos;t cancel!</translation>
    </message>
    <message>
        <source>The GIF file &quot;%1&quot; cannot be read.</source>
        <translation>The GIF file &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>There is not enough memory to cut the frames of the GIF file &quot;%1&quot;.</source>
        <translation>There is not enough memory to cut the frames of the GIF file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The temporary folder &quot;%1&quot; cannot be created.</source>
        <translation>The temporary folder &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>The GIF frame could not be saved as &quot;%1&quot;: %2</source>
        <translation>The GIF frame could not be saved as &quot;%1&quot;: %2</translation>
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
    <message>
        <source>These files could not be imported and were skipped:</source>
        <translation>These files could not be imported and were skipped:</translation>
    </message>
</context>
<context>
    <name>LoadMediaDialog</name>
    <message>
        <source>%1hour%2minute%3second</source>
        <translation>%1H %2M %3S</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation type="vanished">Dialog</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>loadvideo_init_player_error</source>
        <translation>Failed to initialize, cannot play video!</translation>
    </message>
    <message>
        <source>loadvideo_loading_tip</source>
        <translation>Please do not cancel!</translation>
    </message>
    <message>
        <source>loadvideo_player_error</source>
        <translation>Failed to play!</translation>
    </message>
    <message>
        <source>loadvideo_select_file</source>
        <translation>Select the video file</translation>
    </message>
    <message>
        <source>loadvideo_tip</source>
        <translation>Import video</translation>
    </message>
    <message>
        <source>loadvideo_tip2</source>
        <translation>Import video - </translation>
    </message>
    <message>
        <source>拖动时间进度条可以设定截图的开始时间和结束时间：</source>
        <translation>Drag the timeline can start time and end time setting:</translation>
    </message>
    <message>
        <source>开始时间：</source>
        <translation>Start Time:</translation>
    </message>
    <message>
        <source>结束时间：</source>
        <translation>End Time:</translation>
    </message>
    <message>
        <source>开始截图</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No frame could be taken from the stretch from %1 to %2.</source>
        <translation>No frame could be taken from the stretch from %1 to %2.</translation>
    </message>
</context>
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
        <translation>Downloading to the U disk, Please don&apos;t cancel!</translation>
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
    <message>
        <source> Ver: %1</source>
        <translation> Ver: %1</translation>
    </message>
    <message>
        <source> LINE:%1</source>
        <translation> LINE:%1</translation>
    </message>
    <message>
        <source> LED:%1</source>
        <translation> LED:%1</translation>
    </message>
    <message>
        <source>开机U盘扫描</source>
        <translation>Scanning for USB sticks at start-up</translation>
    </message>
    <message>
        <source>The card file %1 was not written.</source>
        <translation>The card file %1 was not written.</translation>
    </message>
    <message>
        <source>LED数量被修改.</source>
        <translation>The LED count will change.</translation>
    </message>
    <message>
        <source>分辨率被修改.</source>
        <translation>The line count will change.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>所有的打开的图片效果将会被删除，是否继续？</source>
        <translation>Every picture and sequence in the lists will be removed. Continue?</translation>
    </message>
    <message>
        <source>The playlist is empty: the card file will hold nothing to show. Download an empty card anyway?</source>
        <translation>The playlist is empty: the card file will hold nothing to show. Download an empty card anyway?</translation>
    </message>
    <message>
        <source>A card shows a picture for at most 25.5 s. These pictures are set to show longer and will show 25.5 s: %1. Download anyway?</source>
        <translation>A card shows a picture for at most 25.5 s. These pictures are set to show longer and will show 25.5 s: %1. Download anyway?</translation>
    </message>
    <message>
        <source>The stick already holds a card file %1. Replace it?</source>
        <translation>The stick already holds a card file %1. Replace it?</translation>
    </message>
    <message>
        <source>Rotavue Display</source>
        <translation>Rotavue Display</translation>
    </message>
    <message>
        <source>menu_title_led_count</source>
        <translation>LED count…</translation>
    </message>
    <message>
        <source>menu_title_line_count</source>
        <translation>Line count…</translation>
    </message>
    <message>
        <source>menu_title_language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>language_zh_cn</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>language_zh_hk</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>language_en_us</source>
        <translation>English</translation>
    </message>
    <message>
        <source>The picture list holds at most %1 pictures. Only the first %2 of the %3 chosen files are imported; %4 are left out.</source>
        <translation>The picture list holds at most %1 pictures. Only the first %2 of the %3 chosen files are imported; %4 are left out.</translation>
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
        <source>Open card…</source>
        <translation>Open card…</translation>
    </message>
    <message>
        <source>Stop show</source>
        <translation>Stop show</translation>
    </message>
    <message>
        <source>Play show</source>
        <translation>Play show</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;New Project</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>&amp;Open Project...</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Save Project</translation>
    </message>
    <message>
        <source>Save Project &amp;As...</source>
        <translation>Save Project &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Download anyway?</source>
        <translation>Download anyway?</translation>
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
    <name>PictureLoader</name>
    <message>
        <source>it is a folder, not a picture file.</source>
        <translation>it is a folder, not a picture file.</translation>
    </message>
    <message>
        <source>it is not a picture Rotavue can read.</source>
        <translation>it is not a picture Rotavue can read.</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels).</source>
        <translation>the picture is too large (%1 x %2 pixels).</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete.</source>
        <translation>the file is damaged or incomplete.</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>the file is damaged: %1</translation>
    </message>
</context>
<context>
    <name>PlaylistImport</name>
    <message>
        <source>dialog_title_tip</source>
        <translation type="vanished">Tip</translation>
    </message>
    <message>
        <source>图片最多只能包含%1张图片！</source>
        <translation type="vanished">The picture list can hold at most %1 pictures!</translation>
    </message>
    <message>
        <source>dialog_title_load_picture</source>
        <translation type="vanished">Import Picture File</translation>
    </message>
    <message>
        <source>dialog_title_load_gif</source>
        <translation type="vanished">Import GIF file</translation>
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
    <name>ProjectDatabase</name>
    <message>
        <source>unknown database error</source>
        <translation>unknown database error</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (package libqt6sql6-sqlite), so projects cannot be saved or opened.</source>
        <translation>Qt&apos;s SQLite driver is not installed (package libqt6sql6-sqlite), so projects cannot be saved or opened.</translation>
    </message>
</context>
<context>
    <name>ProjectDialogs</name>
    <message>
        <source>Rotavue projects (*.rotavue)</source>
        <translation>Rotavue projects (*.rotavue)</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has changes that are not saved.</source>
        <translation>The project &quot;%1&quot; has changes that are not saved.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Save them first?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>%1 was made for a display of %2 LEDs and %3 lines; Rotavue is set up for %4 LEDs and %5 lines.</source>
        <translation>%1 was made for a display of %2 LEDs and %3 lines; Rotavue is set up for %4 LEDs and %5 lines.</translation>
    </message>
    <message>
        <source>Switch to the project&apos;s display? The playlist is replaced by the project&apos;s.</source>
        <translation>Switch to the project&apos;s display? The playlist is replaced by the project&apos;s.</translation>
    </message>
</context>
<context>
    <name>ProjectFlow</name>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Opening %1 ...</source>
        <translation>Opening %1 ...</translation>
    </message>
    <message>
        <source>Saving %1 ...</source>
        <translation>Saving %1 ...</translation>
    </message>
</context>
<context>
    <name>ProjectReader</name>
    <message>
        <source>The project file %1 is damaged or incomplete and cannot be opened (%2).</source>
        <translation>The project file %1 is damaged or incomplete and cannot be opened (%2).</translation>
    </message>
    <message>
        <source>The project file %1 does not exist.</source>
        <translation>The project file %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a project file.</source>
        <translation>%1 is a folder, not a project file.</translation>
    </message>
    <message>
        <source>The project file %1 cannot be read: %2.</source>
        <translation>The project file %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>%1 is not a Rotavue project: the file is empty.</source>
        <translation>%1 is not a Rotavue project: the file is empty.</translation>
    </message>
    <message>
        <source>%1 is not a Rotavue project.</source>
        <translation>%1 is not a Rotavue project.</translation>
    </message>
    <message numerus="yes">
        <source>the file ends after %n bytes</source>
        <translation>
            <numerusform>the file ends after %n byte</numerusform>
            <numerusform>the file ends after %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Rotavue project: it is a database of another program.</source>
        <translation>%1 is not a Rotavue project: it is a database of another program.</translation>
    </message>
    <message>
        <source>The project file %1 was made by a newer version of Rotavue (project format %2; this version reads up to format %3). Open it with a newer Rotavue.</source>
        <translation>The project file %1 was made by a newer version of Rotavue (project format %2; this version reads up to format %3). Open it with a newer Rotavue.</translation>
    </message>
    <message>
        <source>it names no project format</source>
        <translation>it names no project format</translation>
    </message>
    <message>
        <source>the display parameters are missing</source>
        <translation>the display parameters are missing</translation>
    </message>
    <message>
        <source>the display parameters %1 LEDs, %2 lines are impossible</source>
        <translation>the display parameters %1 LEDs, %2 lines are impossible</translation>
    </message>
    <message>
        <source>Opening %1 was cancelled.</source>
        <translation>Opening %1 was cancelled.</translation>
    </message>
    <message>
        <source>the colour calibration table is not valid</source>
        <translation>the colour calibration table is not valid</translation>
    </message>
    <message>
        <source>the colour calibration table is not complete</source>
        <translation>the colour calibration table is not complete</translation>
    </message>
    <message>
        <source>sequence %1 is not valid</source>
        <translation>sequence %1 is not valid</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>picture %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>frame %1 of sequence %2</source>
        <translation>frame %1 of sequence %2</translation>
    </message>
    <message>
        <source>%1 is out of place</source>
        <translation>%1 is out of place</translation>
    </message>
    <message>
        <source>%1 is not valid</source>
        <translation>%1 is not valid</translation>
    </message>
    <message>
        <source>Cannot open the project %1: the scratch folder %2 cannot take the data of %3. Free some disk space and open it again.</source>
        <translation>Cannot open the project %1: the scratch folder %2 cannot take the data of %3. Free some disk space and open it again.</translation>
    </message>
    <message>
        <source>The project file %1 cannot be read: %2</source>
        <translation>The project file %1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>ProjectWriter</name>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>the disk or folder is read-only</source>
        <translation>the disk or folder is read-only</translation>
    </message>
    <message>
        <source>it needs about %1, but only %2 are free on %3</source>
        <translation>it needs about %1, but only %2 are free on %3</translation>
    </message>
    <message>
        <source>Cannot save the project %1: %2.</source>
        <translation>Cannot save the project %1: %2.</translation>
    </message>
    <message>
        <source>The file on disk is unchanged.</source>
        <translation>The file on disk is unchanged.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>the file is read-only; use Save As to save it under another name</source>
        <translation>the file is read-only; use Save As to save it under another name</translation>
    </message>
    <message>
        <source>no file can be created in the folder %1 (%2)</source>
        <translation>no file can be created in the folder %1 (%2)</translation>
    </message>
    <message>
        <source>Saving %1 was cancelled; the file on disk is unchanged.</source>
        <translation>Saving %1 was cancelled; the file on disk is unchanged.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>The project %1 was saved, but the LED data of %2 could not be read; the display shows black there. Convert those pictures again and save once more.</source>
        <translation>The project %1 was saved, but the LED data of %2 could not be read; the display shows black there. Convert those pictures again and save once more.</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>picture %1</translation>
    </message>
    <message>
        <source>frame %1 of sequence %2</source>
        <translation>frame %1 of sequence %2</translation>
    </message>
    <message>
        <source>the new file did not pass its check (%1)</source>
        <translation>the new file did not pass its check (%1)</translation>
    </message>
    <message>
        <source>the new file does not hold what was written (%1 of %2 pictures and frames)</source>
        <translation>the new file does not hold what was written (%1 of %2 pictures and frames)</translation>
    </message>
</context>
<context>
    <name>QCoreApplication</name>
    <message>
        <source>The playlist holds nothing the display would show: no picture with a display time and no sequence with frames.</source>
        <translation>The playlist holds nothing the display would show: no picture with a display time and no sequence with frames.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a named pipe (FIFO), not a file.</source>
        <translation>it is a named pipe (FIFO), not a file.</translation>
    </message>
    <message>
        <source>it is a device, not a file.</source>
        <translation>it is a device, not a file.</translation>
    </message>
    <message>
        <source>it is a socket, not a file.</source>
        <translation>it is a socket, not a file.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>it is not a regular file.</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation>the file cannot be opened (%1).</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>it is a folder, not a file.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>it is a folder.</translation>
    </message>
    <message>
        <source>it is also an input (%1); writing it would destroy that input.</source>
        <translation>it is also an input (%1); writing it would destroy that input.</translation>
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
    <name>SettingColorForm</name>
    <message>
        <source>颜色参数设置</source>
        <translation>Colour calibration</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>cannot create a file in %1: %2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: every temporary name is taken</source>
        <translation>cannot create a file in %1: every temporary name is taken</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>the file is not open</translation>
    </message>
    <message>
        <source>writing failed: %1</source>
        <translation>writing failed: %1</translation>
    </message>
    <message>
        <source>the device took no more data; it may be full</source>
        <translation>the device took no more data; it may be full</translation>
    </message>
    <message>
        <source>the data could not be flushed to the device: %1</source>
        <translation>the data could not be flushed to the device: %1</translation>
    </message>
    <message>
        <source>closing the file failed: %1</source>
        <translation>closing the file failed: %1</translation>
    </message>
    <message>
        <source>the finished file could not replace %1: %2</source>
        <translation>the finished file could not replace %1: %2</translation>
    </message>
</context>
<context>
    <name>UpdateImageContract</name>
    <message>
        <source>updatecontract_btn_title</source>
        <translation>Adjust the contrast</translation>
    </message>
    <message>
        <source>updatecontract_lbl_title</source>
        <translation>Contrast:</translation>
    </message>
    <message>
        <source>action_btn_ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>UpdateLedCountDialog</name>
    <message>
        <source>修改LED数量</source>
        <translation>Change the LED count</translation>
    </message>
    <message>
        <source>LED数量：</source>
        <translation>LED count:</translation>
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
    <name>UpdateLineNumberDialog</name>
    <message>
        <source>修改分辨率</source>
        <translation>Change the line count</translation>
    </message>
    <message>
        <source>分辨率：</source>
        <translation>Line count:</translation>
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
    <name>VideoDecoder</name>
    <message>
        <source>The video file &quot;%1&quot; cannot be opened: %2</source>
        <translation>The video file &quot;%1&quot; cannot be opened: %2</translation>
    </message>
    <message>
        <source>The video file &quot;%1&quot; is empty.</source>
        <translation>The video file &quot;%1&quot; is empty.</translation>
    </message>
    <message>
        <source>Could not init libVLC</source>
        <translation>Could not init libVLC</translation>
    </message>
    <message>
        <source>Failed to initialize, cannot play video!</source>
        <translation>Failed to initialize, cannot play video!</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video that can be read.</source>
        <translation>The file &quot;%1&quot; holds no video that can be read.</translation>
    </message>
    <message>
        <source>No frame could be read from the video file &quot;%1&quot;.</source>
        <translation>No frame could be read from the video file &quot;%1&quot;.</translation>
    </message>
</context>
</TS>
