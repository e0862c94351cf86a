<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>CardFileName</name>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;. Enter a name without a folder; the card file always goes to the root of the stick.</source>
        <translation>檔案名稱「%1」包含「%2」。請輸入不含資料夾的名稱；卡檔案總是儲存在USB手指的根目錄。</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a control character, which a USB stick cannot store. Please enter another name.</source>
        <translation>檔案名稱「%1」包含USB手指無法儲存的控制字元。請輸入其他名稱。</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;, which a USB stick cannot store in a file name. Please leave out any of %3.</source>
        <translation>檔案名稱「%1」包含「%2」，USB手指的檔案名稱中不能有它。請不要使用 %3 中的任何字元。</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is made only of dots and spaces. Please enter a name with letters or digits.</source>
        <translation>檔案名稱「%1」只由點和空格組成。請輸入含有字母或數字的名稱。</translation>
    </message>
    <message>
        <source>The file name &quot;%1...&quot; is too long for a USB stick. Please enter a shorter name.</source>
        <translation>檔案名稱「%1...」對USB手指來說太長。請輸入較短的名稱。</translation>
    </message>
    <message>
        <source>Please enter a name for the card file.</source>
        <translation>請輸入卡檔案的名稱。</translation>
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
        <translation>它是一個資料夾</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是一般檔案</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>它無法開啟（%1）</translation>
    </message>
</context>
<context>
    <name>CardReadFlow</name>
    <message>
        <source>Open card</source>
        <translation>開啟卡檔案</translation>
    </message>
    <message>
        <source>Card files (*.bin);;All files (*)</source>
        <translation>卡檔案 (*.bin);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Reading %1 replaces the playlist (pictures: %2, sequences: %3). Replace it?</source>
        <translation>讀取 %1 將替換播放列表（圖片：%2，序列：%3）。要替換嗎？</translation>
    </message>
    <message>
        <source>It replaces the playlist (pictures: %1, sequences: %2).</source>
        <translation>它將替換播放列表（圖片：%1，序列：%2）。</translation>
    </message>
    <message>
        <source>the factory content</source>
        <translation>出廠內容</translation>
    </message>
    <message>
        <source>The card %1 does not fit a display of %2 LEDs and %3 lines, nor any other display: its size is not the table of contents and whole blocks of one size. The file may be damaged or cut short.</source>
        <translation>卡檔案 %1 既不適合 %2 個LED、%3 條線的顯示屏，也不適合其他顯示屏：它的大小不是目錄加上若干個同樣大小的完整資料塊。檔案可能已損壞或不完整。</translation>
    </message>
    <message>
        <source>The card %1 was made for a display of %2 LEDs and %3 lines; the display is set to %4 LEDs and %5 lines. Switch to %2 LEDs and %3 lines and open the card?</source>
        <translation>卡檔案 %1 是為 %2 個LED、%3 條線的顯示屏製作的；目前設定為 %4 個LED、%5 條線。要切換到 %2 個LED、%3 條線並開啟這個卡檔案嗎？</translation>
    </message>
    <message>
        <source>Reading the card, please wait.</source>
        <translation>正在讀取卡檔案，請稍候。</translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>The card %1 is damaged: entry %2 of its table is neither a picture nor a sequence.</source>
        <translation>卡檔案 %1 已損壞：目錄的第 %2 項既不是圖片也不是序列。</translation>
    </message>
    <message>
        <source>The card %1 is damaged: entry %2 of its table names block 0.</source>
        <translation>卡檔案 %1 已損壞：目錄的第 %2 項指向第 0 塊。</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: %2.</source>
        <translation>檔案 %1 不是可讀取的卡檔案：%2。</translation>
    </message>
    <message>
        <source>The file %1 is not a card: it is shorter than the %2-byte table of contents.</source>
        <translation>檔案 %1 不是卡檔案：它比 %2 位元組的目錄還短。</translation>
    </message>
    <message>
        <source>The file %1 is not a card written by Rotavue: its table of contents has no card markers.</source>
        <translation>檔案 %1 不是Rotavue寫入的卡檔案：它的目錄中沒有卡標記。</translation>
    </message>
    <message>
        <source>The card %1 holds no pictures and no sequences with frames.</source>
        <translation>卡檔案 %1 中沒有圖片，也沒有帶幀的序列。</translation>
    </message>
    <message>
        <source>Reading the card %1 failed at block %2: %3.</source>
        <translation>讀取卡檔案 %1 在第 %2 塊失敗：%3。</translation>
    </message>
    <message>
        <source>The card %1 does not fit a display of %2 LEDs and %3 lines.</source>
        <translation>卡檔案 %1 不適合 %2 個LED、%3 條線的顯示屏。</translation>
    </message>
</context>
<context>
    <name>CardTableOfContents</name>
    <message>
        <source>not a card file: it is shorter than its %1-byte table of contents.</source>
        <translation>不是卡檔案：它比 %1 位元組的目錄還短。</translation>
    </message>
    <message>
        <source>not a card file: the table of contents has no card markers.</source>
        <translation>不是卡檔案：目錄中沒有卡檔案標記。</translation>
    </message>
</context>
<context>
    <name>CardWriter</name>
    <message>
        <source>picture %1</source>
        <translation>圖片 %1</translation>
    </message>
    <message>
        <source>frame %1 of sequence %2</source>
        <translation>序列 %2 的第 %1 幀</translation>
    </message>
    <message>
        <source>Not enough space for the card file %1: it needs %2, but only %3 are free on %4. Free some space or use another stick.</source>
        <translation>卡檔案 %1 的空間不足：需要 %2，但 %4 上只有 %3 可用。請釋放一些空間或使用其他USB手指。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>以及另外 %1 個</translation>
    </message>
    <message>
        <source>The card file %1 was written, but the data of %2 could not be read; the display shows black there. Convert those pictures again and download once more.</source>
        <translation>卡檔案 %1 已寫入，但無法讀取 %2 的資料；顯示屏在那裡顯示黑色。請重新轉換這些圖片並再次下載。</translation>
    </message>
    <message>
        <source>Cannot create the card file %1: %2.</source>
        <translation>無法建立卡檔案 %1：%2。</translation>
    </message>
    <message>
        <source>The download to %1 was cancelled; the card file was not saved.</source>
        <translation>下載到 %1 已取消；卡檔案沒有儲存。</translation>
    </message>
    <message>
        <source>Writing the card file %1 failed: %2. The stick may be full or was removed; the card file was not saved.</source>
        <translation>寫入卡檔案 %1 失敗：%2。USB手指可能已滿或已被拔出；卡檔案沒有儲存。</translation>
    </message>
    <message>
        <source>The card file %1 could not be saved: %2.</source>
        <translation>卡檔案 %1 無法儲存：%2。</translation>
    </message>
    <message>
        <source>The card file %1 was written, but the stick did not confirm it: %2. Download again before removing the stick.</source>
        <translation>卡檔案 %1 已寫入，但USB手指沒有確認：%2。請在拔出USB手指之前再下載一次。</translation>
    </message>
    <message>
        <source>The card file %1 was not written.</source>
        <translation>卡檔案 %1 沒有寫入。</translation>
    </message>
    <message>
        <source>The old card file %1 could not be removed to make room for the new one.</source>
        <translation>無法刪除舊的卡檔案 %1，不能為新檔案騰出空間。</translation>
    </message>
    <message>
        <source>The old card file was removed to make room.</source>
        <translation>舊的卡檔案已被刪除，以騰出空間。</translation>
    </message>
    <message>
        <source>The card file %1 was not saved.</source>
        <translation>卡檔案 %1 沒有儲存。</translation>
    </message>
</context>
<context>
    <name>ChosenStick</name>
    <message>
        <source>The stick %1 is no longer there: it was removed or replaced after it was chosen.</source>
        <translation>USB手指 %1 已不在：它在被選擇之後被拔出或更換了。</translation>
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
        <translation>匯入可以讀取的影格，還是甚麼都不加入？</translation>
    </message>
    <message>
        <source>Import the first frame</source>
        <translation>匯入第一個影格</translation>
    </message>
    <message>
        <source>Import %1 frames</source>
        <translation>匯入 %1 個影格</translation>
    </message>
    <message>
        <source>Add nothing</source>
        <translation>不加入</translation>
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
        <translation>確定要放棄DIY效果嗎？</translation>
    </message>
    <message>
        <source>diyform_lblfont_title</source>
        <translation>字型：%1
字號：%2</translation>
    </message>
    <message>
        <source>diyform_save_diy_selectfile</source>
        <translation>儲存DIY效果</translation>
    </message>
    <message>
        <source>diyform_save_diy_tip</source>
        <translation>是否將DIY效果儲存到電腦？</translation>
    </message>
    <message>
        <source>DIY图形</source>
        <translation>DIY圖形</translation>
    </message>
    <message>
        <source>画图工具</source>
        <translation>畫圖工具</translation>
    </message>
    <message>
        <source>选择DIY样式：</source>
        <translation>選擇DIY樣式：</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>畫筆</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>橢圓</translation>
    </message>
    <message>
        <source>圆矩</source>
        <translation>圓矩</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>擦写</source>
        <translation>擦寫</translation>
    </message>
    <message>
        <source>画笔类型：</source>
        <translation>畫筆類型：</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>實線</translation>
    </message>
    <message>
        <source>点线</source>
        <translation>點線</translation>
    </message>
    <message>
        <source>画笔线宽：</source>
        <translation>畫筆線寬：</translation>
    </message>
    <message>
        <source>画笔颜色：</source>
        <translation>畫筆顏色：</translation>
    </message>
    <message>
        <source>填充颜色：</source>
        <translation>填充顏色：</translation>
    </message>
    <message>
        <source>字体：</source>
        <translation>字型：</translation>
    </message>
    <message>
        <source>选择字体</source>
        <translation>選擇字型</translation>
    </message>
    <message>
        <source>字体颜色：</source>
        <translation>字型顏色：</translation>
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
        <translation>環形排列</translation>
    </message>
    <message>
        <source>半径：</source>
        <translation>半徑：</translation>
    </message>
    <message>
        <source>背景颜色：</source>
        <translation>背景顏色：</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>画完了</source>
        <translation>畫完了</translation>
    </message>
    <message>
        <source>放弃DIY效果</source>
        <translation>放棄DIY效果</translation>
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
        <translation>圖片無法儲存到 %1：%2</translation>
    </message>
    <message>
        <source>Images (*.png)</source>
        <translation>圖片 (*.png)</translation>
    </message>
</context>
<context>
    <name>DiyPainter</name>
    <message>
        <source>the picture is empty (zoomed out to nothing).</source>
        <translation>圖片是空的（已縮小到沒有內容）。</translation>
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
        <translation>DIY圖片無法儲存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>The playlist has %1 items, but the display plays only the first %2: items %3 to %1 will not play.</source>
        <translation>播放清單有 %1 項，但顯示屏只播放首 %2 項：第 %3 至 %1 項不會播放。</translation>
    </message>
    <message>
        <source>The card holds %1 pictures and frames, more than the %2 the display can count: it will not play correctly. Remove some pictures or frames.</source>
        <translation>卡檔案包含 %1 張圖片和影格，超過顯示屏能計算的 %2：將無法正確播放。請刪除一些圖片或影格。</translation>
    </message>
</context>
<context>
    <name>GetImgeLocationDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>放大图片</source>
        <translation>放大圖片</translation>
    </message>
    <message>
        <source>缩小图片</source>
        <translation>縮小圖片</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
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
        <translation>請輸入儲存的檔案名稱</translation>
    </message>
    <message>
        <source>请输入保存的文件名！</source>
        <translation>請輸入儲存的檔案名稱！</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
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
        <translation>GIF檔案「%1」無法匯入：%2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>它是一個資料夾。</translation>
    </message>
    <message>
        <source>it is not a GIF picture.</source>
        <translation>它不是GIF圖片。</translation>
    </message>
    <message>
        <source>its pictures are too large (%1 x %2 pixels).</source>
        <translation>它的圖片太大（%1 x %2 像素）。</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete.</source>
        <translation>檔案已損壞或不完整。</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>檔案已損壞：%1</translation>
    </message>
    <message>
        <source>Only its first frame can be read.</source>
        <translation>只能讀取它的第一個影格。</translation>
    </message>
    <message>
        <source>Only its first %1 frames can be read.</source>
        <translation>只能讀取它的首 %1 個影格。</translation>
    </message>
    <message>
        <source>The GIF file &quot;%1&quot; is damaged: %2 %3</source>
        <translation>GIF 檔案「%1」已損壞：%2 %3</translation>
    </message>
</context>
<context>
    <name>ImageFileCheck</name>
    <message>
        <source>the file does not exist.</source>
        <translation>檔案不存在。</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>檔案是空的。</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation type="vanished">檔案無法開啟（%1）。</translation>
    </message>
</context>
<context>
    <name>ImageIntegrity</name>
    <message>
        <source>the JPEG data stops before its end marker, so the file was cut short.</source>
        <translation>JPEG 資料在結束標記之前中斷，檔案不完整。</translation>
    </message>
    <message>
        <source>it does not start like a JPEG file.</source>
        <translation>它的開頭不像 JPEG 檔案。</translation>
    </message>
    <message>
        <source>the JPEG data is damaged: a header segment is broken.</source>
        <translation>JPEG 資料已損壞：一個標頭段已損壞。</translation>
    </message>
    <message>
        <source>the JPEG data holds no picture.</source>
        <translation>JPEG 資料中沒有圖像。</translation>
    </message>
    <message>
        <source>the JPEG data is damaged: its picture data is out of order.</source>
        <translation>JPEG 資料已損壞：圖像資料次序錯亂。</translation>
    </message>
    <message>
        <source>it does not start like a PNG file.</source>
        <translation>它的開頭不像 PNG 檔案。</translation>
    </message>
    <message>
        <source>the PNG data stops before its end chunk, so the file was cut short.</source>
        <translation>PNG 資料在結束區塊之前中斷，檔案不完整。</translation>
    </message>
    <message>
        <source>the PNG data is damaged: a chunk has an impossible length.</source>
        <translation>PNG 資料已損壞：一個區塊的長度不可能。</translation>
    </message>
    <message>
        <source>the PNG data is damaged: the checksum of its %1 chunk does not match.</source>
        <translation>PNG 資料已損壞：%1 區塊的校驗碼不符。</translation>
    </message>
    <message>
        <source>it does not start like a GIF file.</source>
        <translation>它的開頭不像 GIF 檔案。</translation>
    </message>
    <message>
        <source>the file ends before its first frame.</source>
        <translation>檔案在第一個影格之前結束。</translation>
    </message>
    <message>
        <source>the file ends after frame %1 without its end marker.</source>
        <translation>檔案在第 %1 個影格之後結束，沒有結束標記。</translation>
    </message>
    <message>
        <source>the file ends inside frame %1.</source>
        <translation>檔案在第 %1 個影格中間結束。</translation>
    </message>
    <message>
        <source>the GIF data holds no frame.</source>
        <translation>GIF 資料中沒有影格。</translation>
    </message>
    <message>
        <source>the GIF data is damaged before its first frame.</source>
        <translation>GIF 資料在第一個影格之前已損壞。</translation>
    </message>
    <message>
        <source>the GIF data is damaged after frame %1.</source>
        <translation>GIF 資料在第 %1 個影格之後已損壞。</translation>
    </message>
</context>
<context>
    <name>ImageObjectWidget</name>
    <message>
        <source>imgwidget_lbl_text2</source>
        <translation>第%1張</translation>
    </message>
    <message>
        <source>imgwidget_lbl_text3</source>
        <translation>顯示</translation>
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
        <translation>無法按 %2 個LED、%3 條線的顯示屏讀取檔案 %1。</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: %2.</source>
        <translation>檔案 %1 不是可讀取的卡檔案：%2。</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: it is shorter than its %2-byte header.</source>
        <translation>檔案 %1 不是可讀取的卡檔案：它比 %2 位元組的檔頭還短。</translation>
    </message>
    <message>
        <source>The file %1 is not a readable card: it holds no complete picture or sequence for a display of %2 LEDs and %3 lines.</source>
        <translation>檔案 %1 不是可讀取的卡檔案：其中沒有適合 %2 個LED、%3 條線顯示屏的完整圖片或序列。</translation>
    </message>
</context>
<context>
    <name>ListImageItemDelegate</name>
    <message>
        <source>imgwidget_lbl_text2</source>
        <translation>第%1張</translation>
    </message>
    <message>
        <source>imgwidget_lbl_text3</source>
        <translation>顯示</translation>
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
        <translation>%1張圖片  顯示%2秒</translation>
    </message>
    <message>
        <source>循环次数</source>
        <translation>循環次數</translation>
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
        <translation>正在匯入GIF圖片，請不要取消！</translation>
    </message>
    <message>
        <source>The GIF file &quot;%1&quot; cannot be read.</source>
        <translation>GIF檔案「%1」無法讀取。</translation>
    </message>
    <message>
        <source>There is not enough memory to cut the frames of the GIF file &quot;%1&quot;.</source>
        <translation>記憶體不足，無法切分GIF檔案「%1」的幀。</translation>
    </message>
    <message>
        <source>The temporary folder &quot;%1&quot; cannot be created.</source>
        <translation>無法建立暫存資料夾「%1」。</translation>
    </message>
    <message>
        <source>The GIF frame could not be saved as &quot;%1&quot;: %2</source>
        <translation>GIF幀無法儲存為「%1」：%2</translation>
    </message>
</context>
<context>
    <name>LoadImagesDialog</name>
    <message>
        <source>loadimg_loading_tip</source>
        <translation>正在匯入第%1張圖片，共%2張圖片</translation>
    </message>
    <message>
        <source>loadimg_loading_showpath</source>
        <translation>圖片的路徑和檔案名稱：%1</translation>
    </message>
    <message>
        <source>loadimg_window_title</source>
        <translation>匯入圖片</translation>
    </message>
    <message>
        <source>action_btn_load_over</source>
        <translation>匯入完成</translation>
    </message>
    <message>
        <source>action_btn_cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>These files could not be imported and were skipped:</source>
        <translation>以下檔案無法匯入，已略過：</translation>
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
        <translation>%1小時%2分%3秒</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation type="vanished">對話框</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>loadvideo_init_player_error</source>
        <translation>初始化失敗，無法播放影片！</translation>
    </message>
    <message>
        <source>loadvideo_loading_tip</source>
        <translation>請不要取消！</translation>
    </message>
    <message>
        <source>loadvideo_player_error</source>
        <translation>播放失敗！</translation>
    </message>
    <message>
        <source>loadvideo_select_file</source>
        <translation>選擇影片檔案</translation>
    </message>
    <message>
        <source>loadvideo_tip</source>
        <translation>匯入影片</translation>
    </message>
    <message>
        <source>loadvideo_tip2</source>
        <translation>匯入影片 - </translation>
    </message>
    <message>
        <source>拖动时间进度条可以设定截图的开始时间和结束时间：</source>
        <translation>拖動時間進度條可以設定截圖的開始時間和結束時間：</translation>
    </message>
    <message>
        <source>开始时间：</source>
        <translation>開始時間：</translation>
    </message>
    <message>
        <source>结束时间：</source>
        <translation>結束時間：</translation>
    </message>
    <message>
        <source>开始截图</source>
        <translation>開始截圖</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No frame could be taken from the stretch from %1 to %2.</source>
        <translation>無法從 %1 到 %2 這一段擷取任何畫面。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>调整对比度</source>
        <translation>調整對比度</translation>
    </message>
    <message>
        <source>颜色调试参数</source>
        <translation>顏色調試參數</translation>
    </message>
    <message>
        <source> Ver: %1</source>
        <translation> 版本：%1</translation>
    </message>
    <message>
        <source> LINE:%1</source>
        <translation> 線數：%1</translation>
    </message>
    <message>
        <source> LED:%1</source>
        <translation> LED數：%1</translation>
    </message>
    <message>
        <source>dialog_title_tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>图片最多只能包含%1张图片！</source>
        <translation>圖片最多只能包含%1張圖片！</translation>
    </message>
    <message>
        <source>dialog_title_load_picture</source>
        <translation>匯入圖片檔案</translation>
    </message>
    <message>
        <source>dialog_title_load_gif</source>
        <translation>匯入GIF檔案</translation>
    </message>
    <message>
        <source>action_title_open_image</source>
        <translation>匯入圖片</translation>
    </message>
    <message>
        <source>action_title_download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>action_title_new_diy</source>
        <translation>新增DIY</translation>
    </message>
    <message>
        <source>action_title_import_video</source>
        <translation>匯入影片</translation>
    </message>
    <message>
        <source>action_title_import_gif</source>
        <translation>匯入GIF圖片</translation>
    </message>
    <message>
        <source>action_title_preview</source>
        <translation>預覽USB手指</translation>
    </message>
    <message>
        <source>action_title_default</source>
        <translation>恢復出廠內容</translation>
    </message>
    <message>
        <source>action_title_menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>menu_title_tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>开机U盘扫描</source>
        <translation>開機掃描USB手指</translation>
    </message>
    <message>
        <source>dialog_title_downloading</source>
        <translation>正在下載到USB手指，請不要取消！</translation>
    </message>
    <message>
        <source>dialog_title_download_suc</source>
        <translation>下載成功：%1</translation>
    </message>
    <message>
        <source>The card file %1 was not written.</source>
        <translation>卡檔案 %1 沒有寫入。</translation>
    </message>
    <message>
        <source>LED数量被修改.</source>
        <translation>LED數量被修改。</translation>
    </message>
    <message>
        <source>分辨率被修改.</source>
        <translation>解像度被修改。</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>所有的打开的图片效果将会被删除，是否继续？</source>
        <translation>所有開啟的圖片效果將會被刪除，是否繼續？</translation>
    </message>
    <message>
        <source>The playlist is empty: the card file will hold nothing to show. Download an empty card anyway?</source>
        <translation>播放列表是空的：卡檔案中將沒有可顯示的內容。仍然下載空卡嗎？</translation>
    </message>
    <message>
        <source>A card shows a picture for at most 25.5 s. These pictures are set to show longer and will show 25.5 s: %1. Download anyway?</source>
        <translation>卡中的圖片最多顯示 25.5 秒。以下圖片設定的顯示時間更長，將只顯示 25.5 秒：%1。仍然下載嗎？</translation>
    </message>
    <message>
        <source>The stick already holds a card file %1. Replace it?</source>
        <translation>USB手指中已有卡檔案 %1。要替換它嗎？</translation>
    </message>
    <message>
        <source>Rotavue Display</source>
        <translation>Rotavue Display</translation>
    </message>
    <message>
        <source>编辑图片</source>
        <translation>編輯圖片</translation>
    </message>
    <message>
        <source>删除图片</source>
        <translation>刪除圖片</translation>
    </message>
    <message>
        <source>编辑视频</source>
        <translation>編輯影片</translation>
    </message>
    <message>
        <source>删除视频</source>
        <translation>刪除影片</translation>
    </message>
    <message>
        <source>图片列表</source>
        <translation>圖片列表</translation>
    </message>
    <message>
        <source>视频列表</source>
        <translation>影片列表</translation>
    </message>
    <message>
        <source>menu_title_led_count</source>
        <translation>LED數量…</translation>
    </message>
    <message>
        <source>menu_title_line_count</source>
        <translation>解像度…</translation>
    </message>
    <message>
        <source>menu_title_language</source>
        <translation>語言</translation>
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
        <translation>圖片列表最多只能包含 %1 張圖片。所選的 %3 個檔案中只匯入前 %2 個；其餘 %4 個不匯入。</translation>
    </message>
    <message>
        <source>dialog_title_not_find_default</source>
        <translation>系統預設檔案不存在！</translation>
    </message>
    <message>
        <source>dialog_title_preview_error1</source>
        <translation>USB手指中沒有效果檔案，請選擇其他USB手指！</translation>
    </message>
    <message>
        <source>dialog_title_reading_sys</source>
        <translation>正在讀取預設檔案，請不要取消！</translation>
    </message>
    <message>
        <source>dialog_title_reading_usb</source>
        <translation>正在從USB手指讀取資料，請不要取消！</translation>
    </message>
    <message>
        <source>Open card…</source>
        <translation>開啟卡檔案…</translation>
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
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>新增專案(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>開啟專案(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>儲存專案(&amp;S)</translation>
    </message>
    <message>
        <source>Save Project &amp;As...</source>
        <translation>專案另存新檔(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>Download anyway?</source>
        <translation>仍然下載嗎？</translation>
    </message>
</context>
<context>
    <name>MediaObjectWidget</name>
    <message>
        <source>videowidget_lbl_text</source>
        <translation>%1張圖片  顯示%2秒</translation>
    </message>
    <message>
        <source>videowidget_lbl_loopcount</source>
        <translation>循環次數</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>it is a folder, not a picture file.</source>
        <translation>它是一個資料夾，不是圖片檔案。</translation>
    </message>
    <message>
        <source>it is not a picture Rotavue can read.</source>
        <translation>它不是Rotavue能讀取的圖片。</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels).</source>
        <translation>圖片太大（%1 x %2 像素）。</translation>
    </message>
    <message>
        <source>the file is damaged or incomplete.</source>
        <translation>檔案已損壞或不完整。</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>檔案已損壞：%1</translation>
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
        <translation>未知的資料庫錯誤</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (package libqt6sql6-sqlite), so projects cannot be saved or opened.</source>
        <translation>沒有安裝 Qt 的 SQLite 驅動程式（套件 libqt6sql6-sqlite），因此無法儲存或開啟專案。</translation>
    </message>
</context>
<context>
    <name>ProjectDialogs</name>
    <message>
        <source>Rotavue projects (*.rotavue)</source>
        <translation>Rotavue 專案 (*.rotavue)</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has changes that are not saved.</source>
        <translation>專案「%1」有尚未儲存的修改。</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>要先儲存嗎？</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>開啟專案</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>儲存專案</translation>
    </message>
    <message>
        <source>%1 was made for a display of %2 LEDs and %3 lines; Rotavue is set up for %4 LEDs and %5 lines.</source>
        <translation>%1 是為 %2 個LED、%3 條線的顯示屏製作的；Rotavue 目前設定為 %4 個LED、%5 條線。</translation>
    </message>
    <message>
        <source>Switch to the project&apos;s display? The playlist is replaced by the project&apos;s.</source>
        <translation>要切換到專案的顯示屏設定嗎？播放列表將被專案中的替換。</translation>
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
        <translation>正在開啟 %1 ...</translation>
    </message>
    <message>
        <source>Saving %1 ...</source>
        <translation>正在儲存 %1 ...</translation>
    </message>
</context>
<context>
    <name>ProjectReader</name>
    <message>
        <source>The project file %1 is damaged or incomplete and cannot be opened (%2).</source>
        <translation>專案檔案 %1 已損壞或不完整，無法開啟（%2）。</translation>
    </message>
    <message>
        <source>The project file %1 does not exist.</source>
        <translation>專案檔案 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a project file.</source>
        <translation>%1 是一個資料夾，不是專案檔案。</translation>
    </message>
    <message>
        <source>The project file %1 cannot be read: %2.</source>
        <translation>無法讀取專案檔案 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is not a Rotavue project: the file is empty.</source>
        <translation>%1 不是 Rotavue 專案：檔案是空的。</translation>
    </message>
    <message>
        <source>%1 is not a Rotavue project.</source>
        <translation>%1 不是 Rotavue 專案。</translation>
    </message>
    <message numerus="yes">
        <source>the file ends after %n bytes</source>
        <translation>
            <numerusform>檔案在 %n 位元組後結束</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Rotavue project: it is a database of another program.</source>
        <translation>%1 不是 Rotavue 專案：它是其他程式的資料庫。</translation>
    </message>
    <message>
        <source>The project file %1 was made by a newer version of Rotavue (project format %2; this version reads up to format %3). Open it with a newer Rotavue.</source>
        <translation>專案檔案 %1 是由較新版本的 Rotavue 製作的（專案格式 %2；本版本最多讀取格式 %3）。請用較新的 Rotavue 開啟。</translation>
    </message>
    <message>
        <source>it names no project format</source>
        <translation>其中沒有註明專案格式</translation>
    </message>
    <message>
        <source>the display parameters are missing</source>
        <translation>缺少顯示參數</translation>
    </message>
    <message>
        <source>the display parameters %1 LEDs, %2 lines are impossible</source>
        <translation>顯示參數 %1 個LED、%2 條線是不可能的</translation>
    </message>
    <message>
        <source>Opening %1 was cancelled.</source>
        <translation>開啟 %1 已取消。</translation>
    </message>
    <message>
        <source>the colour calibration table is not valid</source>
        <translation>顏色校準表無效</translation>
    </message>
    <message>
        <source>the colour calibration table is not complete</source>
        <translation>顏色校準表不完整</translation>
    </message>
    <message>
        <source>sequence %1 is not valid</source>
        <translation>序列 %1 無效</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>圖片 %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>frame %1 of sequence %2</source>
        <translation>序列 %2 的第 %1 幀</translation>
    </message>
    <message>
        <source>%1 is out of place</source>
        <translation>%1 的位置不對</translation>
    </message>
    <message>
        <source>%1 is not valid</source>
        <translation>%1 無效</translation>
    </message>
    <message>
        <source>Cannot open the project %1: the scratch folder %2 cannot take the data of %3. Free some disk space and open it again.</source>
        <translation>無法開啟專案 %1：暫存資料夾 %2 放不下 %3 的資料。請釋放一些磁碟空間後再開啟。</translation>
    </message>
    <message>
        <source>The project file %1 cannot be read: %2</source>
        <translation>無法讀取項目檔案 %1：%2</translation>
    </message>
</context>
<context>
    <name>ProjectWriter</name>
    <message>
        <source>the disk is full</source>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <source>the disk or folder is read-only</source>
        <translation>磁碟或資料夾是唯讀的</translation>
    </message>
    <message>
        <source>it needs about %1, but only %2 are free on %3</source>
        <translation>需要約 %1，但 %3 上只有 %2 可用</translation>
    </message>
    <message>
        <source>Cannot save the project %1: %2.</source>
        <translation>無法儲存專案 %1：%2。</translation>
    </message>
    <message>
        <source>The file on disk is unchanged.</source>
        <translation>磁碟上的檔案沒有改變。</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是一個資料夾</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>資料夾 %1 不存在</translation>
    </message>
    <message>
        <source>the file is read-only; use Save As to save it under another name</source>
        <translation>檔案是唯讀的；請用「另存新檔」以其他名稱儲存</translation>
    </message>
    <message>
        <source>no file can be created in the folder %1 (%2)</source>
        <translation>無法在資料夾 %1 中建立檔案（%2）</translation>
    </message>
    <message>
        <source>Saving %1 was cancelled; the file on disk is unchanged.</source>
        <translation>儲存 %1 已取消；磁碟上的檔案沒有改變。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>以及另外 %1 個</translation>
    </message>
    <message>
        <source>The project %1 was saved, but the LED data of %2 could not be read; the display shows black there. Convert those pictures again and save once more.</source>
        <translation>專案 %1 已儲存，但無法讀取 %2 的LED資料；顯示屏在那裡顯示黑色。請重新轉換這些圖片並再次儲存。</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>圖片 %1</translation>
    </message>
    <message>
        <source>frame %1 of sequence %2</source>
        <translation>序列 %2 的第 %1 幀</translation>
    </message>
    <message>
        <source>the new file did not pass its check (%1)</source>
        <translation>新檔案沒有通過檢查（%1）</translation>
    </message>
    <message>
        <source>the new file does not hold what was written (%1 of %2 pictures and frames)</source>
        <translation>新檔案中的內容與寫入的不符（%2 個圖片和幀中的 %1 個）</translation>
    </message>
</context>
<context>
    <name>QCoreApplication</name>
    <message>
        <source>The playlist holds nothing the display would show: no picture with a display time and no sequence with frames.</source>
        <translation>播放列表中沒有顯示屏可顯示的內容：沒有帶顯示時間的圖片，也沒有帶幀的序列。</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a named pipe (FIFO), not a file.</source>
        <translation>它是具名管道（FIFO），不是檔案。</translation>
    </message>
    <message>
        <source>it is a device, not a file.</source>
        <translation>它是裝置，不是檔案。</translation>
    </message>
    <message>
        <source>it is a socket, not a file.</source>
        <translation>它是通訊端，不是檔案。</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>它不是一般檔案。</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation>無法開啟檔案（%1）。</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>它是資料夾，不是檔案。</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>它是資料夾。</translation>
    </message>
    <message>
        <source>it is also an input (%1); writing it would destroy that input.</source>
        <translation>它同時也是輸入檔案（%1）；寫入它會毀掉該輸入。</translation>
    </message>
</context>
<context>
    <name>SelectUsbPathDialog</name>
    <message>
        <source>选择U盘路径</source>
        <translation>選擇USB手指路徑</translation>
    </message>
    <message>
        <source>当前检测到的所有U盘：</source>
        <translation>目前偵測到的所有USB手指：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
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
        <translation>請選擇USB手指路徑。</translation>
    </message>
</context>
<context>
    <name>SetSaveParamsDialog</name>
    <message>
        <source>设置U盘参数</source>
        <translation>設定USB手指參數</translation>
    </message>
    <message>
        <source>图片和视频都播放</source>
        <translation>圖片和影片都播放</translation>
    </message>
    <message>
        <source>只播放视频</source>
        <translation>只播放影片</translation>
    </message>
    <message>
        <source>只播放图片</source>
        <translation>只播放圖片</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
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
        <translation>顏色參數設定</translation>
    </message>
</context>
<context>
    <name>StagedFile</name>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>無法在 %1 中建立檔案：%2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: every temporary name is taken</source>
        <translation>無法在 %1 中建立檔案：所有暫存檔名都已被佔用</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>檔案未開啟</translation>
    </message>
    <message>
        <source>writing failed: %1</source>
        <translation>寫入失敗：%1</translation>
    </message>
    <message>
        <source>the device took no more data; it may be full</source>
        <translation>裝置無法再寫入資料；可能已滿</translation>
    </message>
    <message>
        <source>the data could not be flushed to the device: %1</source>
        <translation>資料無法寫入裝置：%1</translation>
    </message>
    <message>
        <source>closing the file failed: %1</source>
        <translation>關閉檔案失敗：%1</translation>
    </message>
    <message>
        <source>the finished file could not replace %1: %2</source>
        <translation>寫好的檔案無法取代 %1：%2</translation>
    </message>
</context>
<context>
    <name>UpdateImageContract</name>
    <message>
        <source>updatecontract_btn_title</source>
        <translation>調整對比度</translation>
    </message>
    <message>
        <source>updatecontract_lbl_title</source>
        <translation>對比度：</translation>
    </message>
    <message>
        <source>action_btn_ok</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>UpdateLedCountDialog</name>
    <message>
        <source>修改LED数量</source>
        <translation>修改LED數量</translation>
    </message>
    <message>
        <source>LED数量：</source>
        <translation>LED數量：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
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
        <translation>修改解像度</translation>
    </message>
    <message>
        <source>分辨率：</source>
        <translation>解像度：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
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
        <translation>無法開啟影片檔案「%1」：%2</translation>
    </message>
    <message>
        <source>The video file &quot;%1&quot; is empty.</source>
        <translation>影片檔案「%1」是空的。</translation>
    </message>
    <message>
        <source>Could not init libVLC</source>
        <translation>無法初始化 libVLC</translation>
    </message>
    <message>
        <source>Failed to initialize, cannot play video!</source>
        <translation>初始化失敗，無法播放影片！</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video that can be read.</source>
        <translation>檔案「%1」中沒有可讀取的影片。</translation>
    </message>
    <message>
        <source>No frame could be read from the video file &quot;%1&quot;.</source>
        <translation>無法從影片檔案「%1」讀取任何畫面。</translation>
    </message>
</context>
</TS>
