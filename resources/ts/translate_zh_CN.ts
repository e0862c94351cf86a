<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CardFileName</name>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;. Enter a name without a folder; the card file always goes to the root of the stick.</source>
        <translation>文件名“%1”包含“%2”。请输入不含文件夹的名称；卡文件总是保存在U盘的根目录。</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a control character, which a USB stick cannot store. Please enter another name.</source>
        <translation>文件名“%1”包含U盘无法保存的控制字符。请输入其他名称。</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;, which a USB stick cannot store in a file name. Please leave out any of %3.</source>
        <translation>文件名“%1”包含“%2”，U盘的文件名中不能有它。请不要使用 %3 中的任何字符。</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is made only of dots and spaces. Please enter a name with letters or digits.</source>
        <translation>文件名“%1”只由点和空格组成。请输入含有字母或数字的名称。</translation>
    </message>
    <message>
        <source>The file name &quot;%1...&quot; is too long for a USB stick. Please enter a shorter name.</source>
        <translation>文件名“%1...”对U盘来说太长。请输入较短的名称。</translation>
    </message>
    <message>
        <source>Please enter a name for the card file.</source>
        <translation>请输入卡文件的名称。</translation>
    </message>
</context>
<context>
    <name>CardFileOpen</name>
    <message>
        <source>it does not exist</source>
        <translation>它不存在</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是一个文件夹</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>它无法打开（%1）</translation>
    </message>
</context>
<context>
    <name>CardReadFlow</name>
    <message>
        <source>Open card</source>
        <translation>打开卡文件</translation>
    </message>
    <message>
        <source>Card files (*.bin);;All files (*)</source>
        <translation>卡文件 (*.bin);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Reading %1 replaces the playlist (pictures: %2, sequences: %3). Replace it?</source>
        <translation>读取 %1 将替换播放列表（图片：%2，序列：%3）。要替换吗？</translation>
    </message>
    <message>
        <source>It replaces the playlist (pictures: %1, sequences: %2).</source>
        <translation>它将替换播放列表（图片：%1，序列：%2）。</translation>
    </message>
    <message>
        <source>the factory content</source>
        <translation>出厂内容</translation>
    </message>
    <message>
        <source>The card %1 does not fit a display of %2 LEDs and %3 lines, nor any other display: its size is not the table of contents and whole blocks of one size. The file may be damaged or cut short.</source>
        <translation>卡文件 %1 既不适合 %2 个LED、%3 条线的显示屏，也不适合其他显示屏：它的大小不是目录加上若干个同样大小的完整数据块。文件可能已损坏或不完整。</translation>
    </message>
    <message>
        <source>The card %1 was made for a display of %2 LEDs and %3 lines; the display is set to %4 LEDs and %5 lines. Switch to %2 LEDs and %3 lines and open the card?</source>
        <translation>卡文件 %1 是为 %2 个LED、%3 条线的显示屏制作的；当前设置为 %4 个LED、%5 条线。要切换到 %2 个LED、%3 条线并打开这个卡文件吗？</translation>
    </message>
    <message>
        <source>Reading the card, please wait.</source>
        <translation>正在读取卡文件，请稍候。</translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>The card %1 is damaged: entry %2 of its table is neither a picture nor a sequence.</source>
        <translation>卡文件 %1 已损坏：目录的第 %2 项既不是图片也不是序列。</translation>
    </message>
    <message>
        <source>The card %1 is damaged: entry %2 of its table names block 0.</source>
        <translation>卡文件 %1 已损坏：目录的第 %2 项指向第 0 块。</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: %2.</source>
        <translation>文件 %1 不是可读取的卡文件：%2。</translation>
    </message>
    <message>
        <source>The file %1 is not a card: it is shorter than the %2-byte table of contents.</source>
        <translation>文件 %1 不是卡文件：它比 %2 字节的目录还短。</translation>
    </message>
    <message>
        <source>The file %1 is not a card written by Rotavue: its table of contents has no card markers.</source>
        <translation>文件 %1 不是Rotavue写入的卡文件：它的目录中没有卡标记。</translation>
    </message>
    <message>
        <source>The card %1 holds no pictures and no sequences with frames.</source>
        <translation>卡文件 %1 中没有图片，也没有带帧的序列。</translation>
    </message>
    <message>
        <source>Reading the card %1 failed at block %2: %3.</source>
        <translation>读取卡文件 %1 在第 %2 块失败：%3。</translation>
    </message>
    <message>
        <source>The card %1 does not fit a display of %2 LEDs and %3 lines.</source>
        <translation>卡文件 %1 不适合 %2 个LED、%3 条线的显示屏。</translation>
    </message>
</context>
<context>
    <name>CardTableOfContents</name>
    <message>
        <source>not a card file: it is shorter than its %1-byte table of contents.</source>
        <translation>不是卡文件：它比 %1 字节的目录还短。</translation>
    </message>
    <message>
        <source>not a card file: the table of contents has no card markers.</source>
        <translation>不是卡文件：目录中没有卡文件标记。</translation>
    </message>
</context>
<context>
    <name>CardWriter</name>
    <message>
        <source>picture %1</source>
        <translation>图片 %1</translation>
    </message>
    <message>
        <source>frame %1 of sequence %2</source>
        <translation>序列 %2 的第 %1 帧</translation>
    </message>
    <message>
        <source>Not enough space for the card file %1: it needs %2, but only %3 are free on %4. Free some space or use another stick.</source>
        <translation>卡文件 %1 的空间不足：需要 %2，但 %4 上只有 %3 可用。请释放一些空间或使用其他U盘。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>以及另外 %1 个</translation>
    </message>
    <message>
        <source>The card file %1 was written, but the data of %2 could not be read; the display shows black there. Convert those pictures again and download once more.</source>
        <translation>卡文件 %1 已写入，但无法读取 %2 的数据；显示屏在那里显示黑色。请重新转换这些图片并再次下载。</translation>
    </message>
    <message>
        <source>Cannot create the card file %1: %2.</source>
        <translation>无法创建卡文件 %1：%2。</translation>
    </message>
    <message>
        <source>The download to %1 was cancelled; the card file was not saved.</source>
        <translation>下载到 %1 已取消；卡文件没有保存。</translation>
    </message>
    <message>
        <source>Writing the card file %1 failed: %2. The stick may be full or was removed; the card file was not saved.</source>
        <translation>写入卡文件 %1 失败：%2。U盘可能已满或已被拔出；卡文件没有保存。</translation>
    </message>
    <message>
        <source>The card file %1 could not be saved: %2.</source>
        <translation>卡文件 %1 无法保存：%2。</translation>
    </message>
    <message>
        <source>The card file %1 was written, but the stick did not confirm it: %2. Download again before removing the stick.</source>
        <translation>卡文件 %1 已写入，但U盘没有确认：%2。请在拔出U盘之前再下载一次。</translation>
    </message>
    <message>
        <source>The card file %1 was not written.</source>
        <translation>卡文件 %1 没有写入。</translation>
    </message>
    <message>
        <source>The old card file %1 could not be removed to make room for the new one.</source>
        <translation>无法删除旧的卡文件 %1，不能为新文件腾出空间。</translation>
    </message>
    <message>
        <source>The old card file was removed to make room.</source>
        <translation>旧的卡文件已被删除，以腾出空间。</translation>
    </message>
    <message>
        <source>The card file %1 was not saved.</source>
        <translation>卡文件 %1 没有保存。</translation>
    </message>
</context>
<context>
    <name>ChosenStick</name>
    <message>
        <source>The stick %1 is no longer there: it was removed or replaced after it was chosen.</source>
        <translation>U盘 %1 已不在：它在被选择之后被拔出或更换了。</translation>
    </message>
</context>
<context>
    <name>DamagedGifQuestion</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Import the frames that can be read, or add nothing?</source>
        <translation>导入可以读取的帧，还是什么都不添加？</translation>
    </message>
    <message>
        <source>Import the first frame</source>
        <translation>导入第一帧</translation>
    </message>
    <message>
        <source>Import %1 frames</source>
        <translation>导入 %1 帧</translation>
    </message>
    <message>
        <source>Add nothing</source>
        <translation>不添加</translation>
    </message>
</context>
<context>
    <name>DiyForm</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>diyform_cancel_diy_title</source>
        <translation>确定要放弃DIY效果吗？</translation>
    </message>
    <message>
        <source>diyform_lblfont_title</source>
        <translation>字体：%1
字号：%2</translation>
    </message>
    <message>
        <source>diyform_save_diy_selectfile</source>
        <translation>保存DIY效果</translation>
    </message>
    <message>
        <source>diyform_save_diy_tip</source>
        <translation>是否将DIY效果保存到电脑？</translation>
    </message>
    <message>
        <source>DIY图形</source>
        <translation>DIY图形</translation>
    </message>
    <message>
        <source>画图工具</source>
        <translation>画图工具</translation>
    </message>
    <message>
        <source>选择DIY样式：</source>
        <translation>选择DIY样式：</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>椭圆</translation>
    </message>
    <message>
        <source>圆矩</source>
        <translation>圆矩</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>擦写</source>
        <translation>擦写</translation>
    </message>
    <message>
        <source>画笔类型：</source>
        <translation>画笔类型：</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>实线</translation>
    </message>
    <message>
        <source>点线</source>
        <translation>点线</translation>
    </message>
    <message>
        <source>画笔线宽：</source>
        <translation>画笔线宽：</translation>
    </message>
    <message>
        <source>画笔颜色：</source>
        <translation>画笔颜色：</translation>
    </message>
    <message>
        <source>填充颜色：</source>
        <translation>填充颜色：</translation>
    </message>
    <message>
        <source>字体：</source>
        <translation>字体：</translation>
    </message>
    <message>
        <source>选择字体</source>
        <translation>选择字体</translation>
    </message>
    <message>
        <source>字体颜色：</source>
        <translation>字体颜色：</translation>
    </message>
    <message>
        <source>文字排列方式：</source>
        <translation>文字排列方式：</translation>
    </message>
    <message>
        <source>水平排列</source>
        <translation>水平排列</translation>
    </message>
    <message>
        <source>垂直排列</source>
        <translation>垂直排列</translation>
    </message>
    <message>
        <source>环形排列</source>
        <translation>环形排列</translation>
    </message>
    <message>
        <source>半径：</source>
        <translation>半径：</translation>
    </message>
    <message>
        <source>背景颜色：</source>
        <translation>背景颜色：</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>画完了</source>
        <translation>画完了</translation>
    </message>
    <message>
        <source>放弃DIY效果</source>
        <translation>放弃DIY效果</translation>
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
        <translation>图片无法保存到 %1：%2</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>图片 (*.png)</translation>
    </message>
</context>
<context>
    <name>DiyPainter</name>
    <message>
        <source>the picture is empty (zoomed out to nothing).</source>
        <translation>图片是空的（已缩小到没有内容）。</translation>
    </message>
</context>
<context>
    <name>DiyPictureFlow</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The DIY picture could not be saved to %1: %2</source>
        <translation>DIY图片无法保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>The playlist has %1 items, but the display plays only the first %2: items %3 to %1 will not play.</source>
        <translation>播放列表有 %1 项，但显示屏只播放前 %2 项：第 %3 至 %1 项不会播放。</translation>
    </message>
    <message>
        <source>The card holds %1 pictures and frames, more than the %2 the display can count: it will not play correctly. Remove some pictures or frames.</source>
        <translation>卡文件包含 %1 张图片和帧，超过显示屏能计数的 %2：将无法正确播放。请删除一些图片或帧。</translation>
    </message>
</context>
<context>
    <name>GetImgeLocationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>放大图片</source>
        <translation>放大图片</translation>
    </message>
    <message>
        <source>缩小图片</source>
        <translation>缩小图片</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation type="vanished">提示</translation>
    </message>
</context>
<context>
    <name>GetSaveFileDialog</name>
    <message>
        <source>请输入保存的文件名</source>
        <translation>请输入保存的文件名</translation>
    </message>
    <message>
        <source>请输入保存的文件名！</source>
        <translation>请输入保存的文件名！</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>GifFrameSource</name>
    <message>
        <source>The GIF file &quot;%1&quot; cannot be imported: %2</source>
        <translation>GIF文件“%1”无法导入：%2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>它是一个文件夹。</translation>
    </message>
    <message>
        <source>it is not a GIF picture.</source>
        <translation>它不是GIF图片。</translation>
    </message>
    <message>
        <source>its pictures are too large (%1 x %2 pixels).</source>
        <translation>它的图片太大（%1 x %2 像素）。</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete.</source>
        <translation>文件已损坏或不完整。</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>文件已损坏：%1</translation>
    </message>
    <message>
        <source>Only its first frame can be read.</source>
        <translation>只能读取它的第一帧。</translation>
    </message>
    <message>
        <source>Only its first %1 frames can be read.</source>
        <translation>只能读取它的前 %1 帧。</translation>
    </message>
    <message>
        <source>The GIF file &quot;%1&quot; is damaged: %2 %3</source>
        <translation>GIF 文件“%1”已损坏：%2 %3</translation>
    </message>
</context>
<context>
    <name>ImageFileCheck</name>
    <message>
        <source>the file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>文件是空的。</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation type="vanished">文件无法打开（%1）。</translation>
    </message>
</context>
<context>
    <name>ImageIntegrity</name>
    <message>
        <source>the JPEG data stops before its end marker, so the file was cut short.</source>
        <translation>JPEG 数据在结束标记之前中断，文件不完整。</translation>
    </message>
    <message>
        <source>it does not start like a JPEG file.</source>
        <translation>它的开头不像 JPEG 文件。</translation>
    </message>
    <message>
        <source>the JPEG data is damaged: a header segment is broken.</source>
        <translation>JPEG 数据已损坏：一个头部段已损坏。</translation>
    </message>
    <message>
        <source>the JPEG data holds no picture.</source>
        <translation>JPEG 数据中没有图像。</translation>
    </message>
    <message>
        <source>the JPEG data is damaged: its picture data is out of order.</source>
        <translation>JPEG 数据已损坏：图像数据顺序错乱。</translation>
    </message>
    <message>
        <source>it does not start like a PNG file.</source>
        <translation>它的开头不像 PNG 文件。</translation>
    </message>
    <message>
        <source>the PNG data stops before its end chunk, so the file was cut short.</source>
        <translation>PNG 数据在结束块之前中断，文件不完整。</translation>
    </message>
    <message>
        <source>the PNG data is damaged: a chunk has an impossible length.</source>
        <translation>PNG 数据已损坏：一个块的长度不可能。</translation>
    </message>
    <message>
        <source>the PNG data is damaged: the checksum of its %1 chunk does not match.</source>
        <translation>PNG 数据已损坏：%1 块的校验和不匹配。</translation>
    </message>
    <message>
        <source>it does not start like a GIF file.</source>
        <translation>它的开头不像 GIF 文件。</translation>
    </message>
    <message>
        <source>the file ends before its first frame.</source>
        <translation>文件在第一帧之前结束。</translation>
    </message>
    <message>
        <source>the file ends after frame %1 without its end marker.</source>
        <translation>文件在第 %1 帧之后结束，没有结束标记。</translation>
    </message>
    <message>
        <source>the file ends inside frame %1.</source>
        <translation>文件在第 %1 帧中间结束。</translation>
    </message>
    <message>
        <source>the GIF data holds no frame.</source>
        <translation>GIF 数据中没有帧。</translation>
    </message>
    <message>
        <source>the GIF data is damaged before its first frame.</source>
        <translation>GIF 数据在第一帧之前已损坏。</translation>
    </message>
    <message>
        <source>the GIF data is damaged after frame %1.</source>
        <translation>GIF 数据在第 %1 帧之后已损坏。</translation>
    </message>
</context>
<context>
    <name>ImageObjectWidget</name>
    <message>
        <source>imgwidget_lbl_text2</source>
        <translation>第%1张</translation>
    </message>
    <message>
        <source>imgwidget_lbl_text3</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>imgwidget_lbl_text4</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>LegacyCardReader</name>
    <message>
        <source>The file %1 cannot be read for a display of %2 LEDs and %3 lines.</source>
        <translation>无法按 %2 个LED、%3 条线的显示屏读取文件 %1。</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: %2.</source>
        <translation>文件 %1 不是可读取的卡文件：%2。</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: it is shorter than its %2-byte header.</source>
        <translation>文件 %1 不是可读取的卡文件：它比 %2 字节的文件头还短。</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: it holds no complete picture or sequence for a display of %2 LEDs and %3 lines.</source>
        <translation>文件 %1 不是可读取的卡文件：其中没有适合 %2 个LED、%3 条线显示屏的完整图片或序列。</translation>
    </message>
</context>
<context>
    <name>ListImageItemDelegate</name>
    <message>
        <source>imgwidget_lbl_text2</source>
        <translation>第%1张</translation>
    </message>
    <message>
        <source>imgwidget_lbl_text3</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>imgwidget_lbl_text4</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>ListMediaItemDelegate</name>
    <message>
        <source>videowidget_lbl_text</source>
        <translation>%1张图片  显示%2秒</translation>
    </message>
    <message>
        <source>循环次数</source>
        <translation>循环次数</translation>
    </message>
</context>
<context>
    <name>LoadGifDialog</name>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>action_btn_cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>loadgif_loading_tip</source>
        <translation>正在导入GIF图片，请不要取消！</translation>
    </message>
    <message>
        <source>The GIF file &quot;%1&quot; cannot be read.</source>
        <translation>GIF文件“%1”无法读取。</translation>
    </message>
    <message>
        <source>There is not enough memory to cut the frames of the GIF file &quot;%1&quot;.</source>
        <translation>内存不足，无法切分GIF文件“%1”的帧。</translation>
    </message>
    <message>
        <source>The temporary folder &quot;%1&quot; cannot be created.</source>
        <translation>无法创建临时文件夹“%1”。</translation>
    </message>
    <message>
        <source>The GIF frame could not be saved as &quot;%1&quot;: %2</source>
        <translation>GIF帧无法保存为“%1”：%2</translation>
    </message>
</context>
<context>
    <name>LoadImagesDialog</name>
    <message>
        <source>loadimg_loading_tip</source>
        <translation>正在导入第%1张图片，共%2张图片</translation>
    </message>
    <message>
        <source>loadimg_loading_showpath</source>
        <translation>图片的路径和文件名：%1</translation>
    </message>
    <message>
        <source>loadimg_window_title</source>
        <translation>导入图片</translation>
    </message>
    <message>
        <source>action_btn_load_over</source>
        <translation>导入完成</translation>
    </message>
    <message>
        <source>action_btn_cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>These files could not be imported and were skipped:</source>
        <translation>以下文件无法导入，已跳过：</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>LoadMediaDialog</name>
    <message>
        <source>%1hour%2minute%3second</source>
        <translation>%1小时%2分%3秒</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation type="vanished">对话框</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>loadvideo_init_player_error</source>
        <translation>初始化失败，无法播放视频！</translation>
    </message>
    <message>
        <source>loadvideo_loading_tip</source>
        <translation>请不要取消！</translation>
    </message>
    <message>
        <source>loadvideo_player_error</source>
        <translation>播放失败！</translation>
    </message>
    <message>
        <source>loadvideo_select_file</source>
        <translation>选择视频文件</translation>
    </message>
    <message>
        <source>loadvideo_tip</source>
        <translation>导入视频</translation>
    </message>
    <message>
        <source>loadvideo_tip2</source>
        <translation>导入视频 - </translation>
    </message>
    <message>
        <source>拖动时间进度条可以设定截图的开始时间和结束时间：</source>
        <translation>拖动时间进度条可以设定截图的开始时间和结束时间：</translation>
    </message>
    <message>
        <source>开始时间：</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>结束时间：</source>
        <translation>结束时间：</translation>
    </message>
    <message>
        <source>开始截图</source>
        <translation>开始截图</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No frame could be taken from the stretch from %1 to %2.</source>
        <translation>无法从 %1 到 %2 这一段截取任何画面。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>调整对比度</source>
        <translation>调整对比度</translation>
    </message>
    <message>
        <source>颜色调试参数</source>
        <translation>颜色调试参数</translation>
    </message>
    <message>
        <source> Ver: %1</source>
        <translation> 版本：%1</translation>
    </message>
    <message>
        <source> LINE:%1</source>
        <translation> 线数：%1</translation>
    </message>
    <message>
        <source> LED:%1</source>
        <translation> LED数：%1</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>图片最多只能包含%1张图片！</source>
        <translation>图片最多只能包含%1张图片！</translation>
    </message>
    <message>
        <source>dialog_title_load_picture</source>
        <translation>导入图片文件</translation>
    </message>
    <message>
        <source>dialog_title_load_gif</source>
        <translation>导入GIF文件</translation>
    </message>
    <message>
        <source>action_title_open_image</source>
        <translation>导入图片</translation>
    </message>
    <message>
        <source>action_title_download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>action_title_new_diy</source>
        <translation>新建DIY</translation>
    </message>
    <message>
        <source>action_title_import_video</source>
        <translation>导入视频</translation>
    </message>
    <message>
        <source>action_title_import_gif</source>
        <translation>导入GIF图片</translation>
    </message>
    <message>
        <source>action_title_preview</source>
        <translation>预览U盘</translation>
    </message>
    <message>
        <source>action_title_default</source>
        <translation>恢复出厂内容</translation>
    </message>
    <message>
        <source>action_title_menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>menu_title_tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>开机U盘扫描</source>
        <translation>开机U盘扫描</translation>
    </message>
    <message>
        <source>dialog_title_downloading</source>
        <translation>正在下载到U盘，请不要取消！</translation>
    </message>
    <message>
        <source>dialog_title_download_suc</source>
        <translation>下载成功：%1</translation>
    </message>
    <message>
        <source>The card file %1 was not written.</source>
        <translation>卡文件 %1 没有写入。</translation>
    </message>
    <message>
        <source>LED数量被修改.</source>
        <translation>LED数量被修改.</translation>
    </message>
    <message>
        <source>分辨率被修改.</source>
        <translation>分辨率被修改.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>所有的打开的图片效果将会被删除，是否继续？</source>
        <translation>所有的打开的图片效果将会被删除，是否继续？</translation>
    </message>
    <message>
        <source>The playlist is empty: the card file will hold nothing to show. Download an empty card anyway?</source>
        <translation>播放列表是空的：卡文件中将没有可显示的内容。仍然下载空卡吗？</translation>
    </message>
    <message>
        <source>A card shows a picture for at most 25.5 s. These pictures are set to show longer and will show 25.5 s: %1. Download anyway?</source>
        <translation>卡中的图片最多显示 25.5 秒。以下图片设置的显示时间更长，将只显示 25.5 秒：%1。仍然下载吗？</translation>
    </message>
    <message>
        <source>The stick already holds a card file %1. Replace it?</source>
        <translation>U盘中已有卡文件 %1。要替换它吗？</translation>
    </message>
    <message>
        <source>Rotavue Display</source>
        <translation>Rotavue Display</translation>
    </message>
    <message>
        <source>编辑图片</source>
        <translation>编辑图片</translation>
    </message>
    <message>
        <source>删除图片</source>
        <translation>删除图片</translation>
    </message>
    <message>
        <source>编辑视频</source>
        <translation>编辑视频</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>删除视频</translation>
    </message>
    <message>
        <source>图片列表</source>
        <translation>图片列表</translation>
    </message>
    <message>
        <source>视频列表</source>
        <translation>视频列表</translation>
    </message>
    <message>
        <source>menu_title_led_count</source>
        <translation>LED数量…</translation>
    </message>
    <message>
        <source>menu_title_line_count</source>
        <translation>分辨率…</translation>
    </message>
    <message>
        <source>menu_title_language</source>
        <translation>语言</translation>
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
        <translation>图片列表最多只能包含 %1 张图片。所选的 %3 个文件中只导入前 %2 个；其余 %4 个不导入。</translation>
    </message>
    <message>
        <source>dialog_title_not_find_default</source>
        <translation>系统默认文件不存在！</translation>
    </message>
    <message>
        <source>dialog_title_preview_error1</source>
        <translation>U盘中没有效果文件，请选择其他U盘！</translation>
    </message>
    <message>
        <source>dialog_title_reading_sys</source>
        <translation>正在读取默认文件，请不要取消！</translation>
    </message>
    <message>
        <source>dialog_title_reading_usb</source>
        <translation>正在从U盘读取数据，请不要取消！</translation>
    </message>
    <message>
        <source>Open card…</source>
        <translation>打开卡文件…</translation>
    </message>
    <message>
        <source>Stop show</source>
        <translation>停止演示</translation>
    </message>
    <message>
        <source>Play show</source>
        <translation>播放演示</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>新建项目(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>打开项目(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>保存项目(&amp;S)</translation>
    </message>
    <message>
        <source>Save Project &amp;As...</source>
        <translation>项目另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Download anyway?</source>
        <translation>仍然下载吗？</translation>
    </message>
</context>
<context>
    <name>MediaObjectWidget</name>
    <message>
        <source>videowidget_lbl_text</source>
        <translation>%1张图片  显示%2秒</translation>
    </message>
    <message>
        <source>videowidget_lbl_loopcount</source>
        <translation>循环次数</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>it is a folder, not a picture file.</source>
        <translation>它是一个文件夹，不是图片文件。</translation>
    </message>
    <message>
        <source>it is not a picture Rotavue can read.</source>
        <translation>它不是Rotavue能读取的图片。</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels).</source>
        <translation>图片太大（%1 x %2 像素）。</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete.</source>
        <translation>文件已损坏或不完整。</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>文件已损坏：%1</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>action_btn_cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>ProjectDatabase</name>
    <message>
        <source>unknown database error</source>
        <translation>未知的数据库错误</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (package libqt6sql6-sqlite), so projects cannot be saved or opened.</source>
        <translation>没有安装 Qt 的 SQLite 驱动（软件包 libqt6sql6-sqlite），因此无法保存或打开项目。</translation>
    </message>
</context>
<context>
    <name>ProjectDialogs</name>
    <message>
        <source>Rotavue projects (*.rotavue)</source>
        <translation>Rotavue 项目 (*.rotavue)</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has changes that are not saved.</source>
        <translation>项目“%1”有尚未保存的修改。</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>要先保存吗？</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>打开项目</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>保存项目</translation>
    </message>
    <message>
        <source>%1 was made for a display of %2 LEDs and %3 lines; Rotavue is set up for %4 LEDs and %5 lines.</source>
        <translation>%1 是为 %2 个LED、%3 条线的显示屏制作的；Rotavue 当前设置为 %4 个LED、%5 条线。</translation>
    </message>
    <message>
        <source>Switch to the project&apos;s display? The playlist is replaced by the project&apos;s.</source>
        <translation>要切换到项目的显示屏设置吗？播放列表将被项目中的替换。</translation>
    </message>
</context>
<context>
    <name>ProjectFlow</name>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Opening %1 ...</source>
        <translation>正在打开 %1 ...</translation>
    </message>
    <message>
        <source>Saving %1 ...</source>
        <translation>正在保存 %1 ...</translation>
    </message>
</context>
<context>
    <name>ProjectReader</name>
    <message>
        <source>The project file %1 is damaged or incomplete and cannot be opened (%2).</source>
        <translation>项目文件 %1 已损坏或不完整，无法打开（%2）。</translation>
    </message>
    <message>
        <source>The project file %1 does not exist.</source>
        <translation>项目文件 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a project file.</source>
        <translation>%1 是一个文件夹，不是项目文件。</translation>
    </message>
    <message>
        <source>The project file %1 cannot be read: %2.</source>
        <translation>无法读取项目文件 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is not a Rotavue project: the file is empty.</source>
        <translation>%1 不是 Rotavue 项目：文件是空的。</translation>
    </message>
    <message>
        <source>%1 is not a Rotavue project.</source>
        <translation>%1 不是 Rotavue 项目。</translation>
    </message>
    <message numerus="yes">
        <source>the file ends after %n bytes</source>
        <translation>
            <numerusform>文件在 %n 字节后结束</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Rotavue project: it is a database of another program.</source>
        <translation>%1 不是 Rotavue 项目：它是其他程序的数据库。</translation>
    </message>
    <message>
        <source>The project file %1 was made by a newer version of Rotavue (project format %2; this version reads up to format %3). Open it with a newer Rotavue.</source>
        <translation>项目文件 %1 是由较新版本的 Rotavue 制作的（项目格式 %2；本版本最多读取格式 %3）。请用较新的 Rotavue 打开。</translation>
    </message>
    <message>
        <source>it names no project format</source>
        <translation>其中没有注明项目格式</translation>
    </message>
    <message>
        <source>the display parameters are missing</source>
        <translation>缺少显示参数</translation>
    </message>
    <message>
        <source>the display parameters %1 LEDs, %2 lines are impossible</source>
        <translation>显示参数 %1 个LED、%2 条线是不可能的</translation>
    </message>
    <message>
        <source>Opening %1 was cancelled.</source>
        <translation>打开 %1 已取消。</translation>
    </message>
    <message>
        <source>the colour calibration table is not valid</source>
        <translation>颜色校准表无效</translation>
    </message>
    <message>
        <source>the colour calibration table is not complete</source>
        <translation>颜色校准表不完整</translation>
    </message>
    <message>
        <source>sequence %1 is not valid</source>
        <translation>序列 %1 无效</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>图片 %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>frame %1 of sequence %2</source>
        <translation>序列 %2 的第 %1 帧</translation>
    </message>
    <message>
        <source>%1 is out of place</source>
        <translation>%1 的位置不对</translation>
    </message>
    <message>
        <source>%1 is not valid</source>
        <translation>%1 无效</translation>
    </message>
    <message>
        <source>Cannot open the project %1: the scratch folder %2 cannot take the data of %3. Free some disk space and open it again.</source>
        <translation>无法打开项目 %1：临时文件夹 %2 放不下 %3 的数据。请释放一些磁盘空间后再打开。</translation>
    </message>
    <message>
        <source>The project file %1 cannot be read: %2</source>
        <translation>无法读取项目文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>ProjectWriter</name>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the disk or folder is read-only</source>
        <translation>磁盘或文件夹是只读的</translation>
    </message>
    <message>
        <source>it needs about %1, but only %2 are free on %3</source>
        <translation>需要约 %1，但 %3 上只有 %2 可用</translation>
    </message>
    <message>
        <source>Cannot save the project %1: %2.</source>
        <translation>无法保存项目 %1：%2。</translation>
    </message>
    <message>
        <source>The file on disk is unchanged.</source>
        <translation>磁盘上的文件没有改变。</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是一个文件夹</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>the file is read-only; use Save As to save it under another name</source>
        <translation>文件是只读的；请用“另存为”以其他名称保存</translation>
    </message>
    <message>
        <source>no file can be created in the folder %1 (%2)</source>
        <translation>无法在文件夹 %1 中创建文件（%2）</translation>
    </message>
    <message>
        <source>Saving %1 was cancelled; the file on disk is unchanged.</source>
        <translation>保存 %1 已取消；磁盘上的文件没有改变。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>以及另外 %1 个</translation>
    </message>
    <message>
        <source>The project %1 was saved, but the LED data of %2 could not be read; the display shows black there. Convert those pictures again and save once more.</source>
        <translation>项目 %1 已保存，但无法读取 %2 的LED数据；显示屏在那里显示黑色。请重新转换这些图片并再次保存。</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>图片 %1</translation>
    </message>
    <message>
        <source>frame %1 of sequence %2</source>
        <translation>序列 %2 的第 %1 帧</translation>
    </message>
    <message>
        <source>the new file did not pass its check (%1)</source>
        <translation>新文件没有通过检查（%1）</translation>
    </message>
    <message>
        <source>the new file does not hold what was written (%1 of %2 pictures and frames)</source>
        <translation>新文件中的内容与写入的不符（%2 个图片和帧中的 %1 个）</translation>
    </message>
</context>
<context>
    <name>QCoreApplication</name>
    <message>
        <source>The playlist holds nothing the display would show: no picture with a display time and no sequence with frames.</source>
        <translation>播放列表中没有显示屏可显示的内容：没有带显示时间的图片，也没有带帧的序列。</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a named pipe (FIFO), not a file.</source>
        <translation>它是命名管道（FIFO），不是文件。</translation>
    </message>
    <message>
        <source>it is a device, not a file.</source>
        <translation>它是设备，不是文件。</translation>
    </message>
    <message>
        <source>it is a socket, not a file.</source>
        <translation>它是套接字，不是文件。</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation>无法打开文件（%1）。</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>它是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>它是文件夹。</translation>
    </message>
    <message>
        <source>it is also an input (%1); writing it would destroy that input.</source>
        <translation>它同时也是输入文件（%1）；写入它会毁掉该输入。</translation>
    </message>
</context>
<context>
    <name>SelectUsbPathDialog</name>
    <message>
        <source>选择U盘路径</source>
        <translation>选择U盘路径</translation>
    </message>
    <message>
        <source>当前检测到的所有U盘：</source>
        <translation>当前检测到的所有U盘：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>selectusb_title</source>
        <translation>请选择U盘路径。</translation>
    </message>
</context>
<context>
    <name>SetSaveParamsDialog</name>
    <message>
        <source>设置U盘参数</source>
        <translation>设置U盘参数</translation>
    </message>
    <message>
        <source>图片和视频都播放</source>
        <translation>图片和视频都播放</translation>
    </message>
    <message>
        <source>只播放视频</source>
        <translation>只播放视频</translation>
    </message>
    <message>
        <source>只播放图片</source>
        <translation>只播放图片</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SettingColorForm</name>
    <message>
        <source>颜色参数设置</source>
        <translation>颜色参数设置</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>无法在 %1 中创建文件：%2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: every temporary name is taken</source>
        <translation>无法在 %1 中创建文件：所有临时文件名都已被占用</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>文件未打开</translation>
    </message>
    <message>
        <source>writing failed: %1</source>
        <translation>写入失败：%1</translation>
    </message>
    <message>
        <source>the device took no more data; it may be full</source>
        <translation>设备无法再写入数据；可能已满</translation>
    </message>
    <message>
        <source>the data could not be flushed to the device: %1</source>
        <translation>数据无法写入设备：%1</translation>
    </message>
    <message>
        <source>closing the file failed: %1</source>
        <translation>关闭文件失败：%1</translation>
    </message>
    <message>
        <source>the finished file could not replace %1: %2</source>
        <translation>写好的文件无法替换 %1：%2</translation>
    </message>
</context>
<context>
    <name>UpdateImageContract</name>
    <message>
        <source>updatecontract_btn_title</source>
        <translation>调整对比度</translation>
    </message>
    <message>
        <source>updatecontract_lbl_title</source>
        <translation>对比度：</translation>
    </message>
    <message>
        <source>action_btn_ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>UpdateLedCountDialog</name>
    <message>
        <source>修改LED数量</source>
        <translation>修改LED数量</translation>
    </message>
    <message>
        <source>LED数量：</source>
        <translation>LED数量：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>UpdateLineNumberDialog</name>
    <message>
        <source>修改分辨率</source>
        <translation>修改分辨率</translation>
    </message>
    <message>
        <source>分辨率：</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>VideoDecoder</name>
    <message>
        <source>The video file &quot;%1&quot; cannot be opened: %2</source>
        <translation>无法打开视频文件“%1”：%2</translation>
    </message>
    <message>
        <source>The video file &quot;%1&quot; is empty.</source>
        <translation>视频文件“%1”是空的。</translation>
    </message>
    <message>
        <source>Could not init libVLC</source>
        <translation>无法初始化 libVLC</translation>
    </message>
    <message>
        <source>Failed to initialize, cannot play video!</source>
        <translation>初始化失败，无法播放视频！</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video that can be read.</source>
        <translation>文件“%1”中没有可读取的视频。</translation>
    </message>
    <message>
        <source>No frame could be read from the video file &quot;%1&quot;.</source>
        <translation>无法从视频文件“%1”读取任何画面。</translation>
    </message>
</context>
</TS>
