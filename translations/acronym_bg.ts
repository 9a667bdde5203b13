<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>EditorWindow</name>
    <message>
        <source>Title</source>
        <translation>Заглавие</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Указания</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Отговор</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Дума</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Пояснение</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Проблеми</translation>
    </message>
    <message>
        <source>The first letters spell</source>
        <translation>Първите букви образуват</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Команди</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Добави ред</translation>
    </message>
    <message>
        <source>Remove the row</source>
        <translation>Премахни реда</translation>
    </message>
    <message>
        <source>Word %1</source>
        <translation>Дума %1</translation>
    </message>
    <message>
        <source>Explanation %1</source>
        <translation>Пояснение %1</translation>
    </message>
    <message>
        <source>no letter</source>
        <translation>без буква</translation>
    </message>
    <message>
        <source>✗ not «%1»</source>
        <translation>✗ не е «%1»</translation>
    </message>
    <message>
        <source>None: the puzzle can be played.</source>
        <translation>Няма: пъзелът може да се играе.</translation>
    </message>
    <message>
        <source>New puzzle</source>
        <translation>Нов пъзел</translation>
    </message>
    <message>
        <source>Puzzle editor</source>
        <translation>Редактор на пъзели</translation>
    </message>
    <message>
        <source>The file is in %1; saving writes it as UTF-8.</source>
        <translation>Файлът е в %1; ще бъде запазен в UTF-8.</translation>
    </message>
    <message>
        <source>Remove row %1 with its word and explanation?</source>
        <translation>Да премахна ли ред %1 с думата и пояснението му?</translation>
    </message>
    <message>
        <source>Save the puzzle</source>
        <translation>Запази пъзела</translation>
    </message>
    <message>
        <source>Puzzles (*.acronym *.txt)</source>
        <translation>Пъзели (*.acronym *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Всички файлове (*)</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>«%1» не може да се запише: %2</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Запазено в %1.</translation>
    </message>
    <message>
        <source>Saved to %1 as a draft: it cannot be played yet. %2</source>
        <translation>Запазено в %1 като чернова: още не може да се играе. %2</translation>
    </message>
    <message>
        <source>The puzzle has changes that are not saved. Save them?</source>
        <translation>Пъзелът има незапазени промени. Да ги запазя ли?</translation>
    </message>
    <message>
        <source>Open a puzzle</source>
        <translation>Отвори пъзел</translation>
    </message>
    <message>
        <source>The puzzle cannot be played yet:</source>
        <translation>Пъзелът още не може да се играе:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Нов</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Отвори…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Запази</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Играй</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Запази &amp;като…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>За&amp;твори</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Редактиране</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отмени</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Върни</translation>
    </message>
    <message>
        <source>R&amp;ows</source>
        <translation>Ре&amp;дове</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добави</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Премахни</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Нагоре</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>На&amp;долу</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Картина %1</translation>
    </message>
    <message>
        <source>Picture…</source>
        <translation>Картина…</translation>
    </message>
    <message>
        <source>Remove picture %1</source>
        <translation>Махни картина %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картина</translation>
    </message>
    <message>
        <source>none</source>
        <translation>няма</translation>
    </message>
    <message>
        <source>Choose a picture for row %1</source>
        <translation>Избери картина за ред %1</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp)</source>
        <translation>Картини (*.jpg *.jpeg *.png *.webp)</translation>
    </message>
    <message>
        <source>the file is larger than 64 MiB</source>
        <translation>файлът е по-голям от 64 MiB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a picture: %2</source>
        <translation>«%1» не може да е картина: %2</translation>
    </message>
    <message>
        <source>&amp;Link and QR code…</source>
        <translation>&amp;Връзка и QR код…</translation>
    </message>
    <message>
        <source>&amp;Print the worksheet…</source>
        <translation>&amp;Печатай работния лист…</translation>
    </message>
    <message>
        <source>Print the answer &amp;key…</source>
        <translation>Печатай от&amp;говорите…</translation>
    </message>
    <message>
        <source>Print the c&amp;rossword…</source>
        <translation>Печатай к&amp;ръстословицата…</translation>
    </message>
    <message>
        <source>Print the crossword&apos;s a&amp;nswers…</source>
        <translation>Печатай отговорите на кръ&amp;стословицата…</translation>
    </message>
</context>
<context>
    <name>LinkDialog</name>
    <message>
        <source>Save the QR code</source>
        <translation>Запази QR кода</translation>
    </message>
    <message>
        <source>Pictures (*.png)</source>
        <translation>Картини (*.png)</translation>
    </message>
    <message>
        <source>Drawings (*.svg)</source>
        <translation>Рисунки (*.svg)</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>The program stops because of an error:</source>
        <translation>Програмата спира поради грешка:</translation>
    </message>
    <message>
        <source>Open a puzzle</source>
        <translation>Отваряне на задача</translation>
    </message>
    <message>
        <source>Puzzles (*.acronym *.txt)</source>
        <translation>Задачи (*.acronym *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Всички файлове (*)</translation>
    </message>
    <message>
        <source>Print the answer key</source>
        <translation>Печат на отговорите</translation>
    </message>
    <message>
        <source>Print the worksheet</source>
        <translation>Печат на задачата</translation>
    </message>
    <message>
        <source>Print the crossword</source>
        <translation>Печат на кръстословицата</translation>
    </message>
    <message>
        <source>Print the crossword&apos;s answers</source>
        <translation>Печат на отговорите на кръстословицата</translation>
    </message>
    <message>
        <source>Save as a web page</source>
        <translation>Запази като уеб страница</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Уеб страници (*.html)</translation>
    </message>
    <message>
        <source>Save for Moodle (SCORM)</source>
        <translation>Запази за Moodle (SCORM)</translation>
    </message>
    <message>
        <source>SCORM packages (*.zip)</source>
        <translation>Пакети SCORM (*.zip)</translation>
    </message>
</context>
<context>
    <name>ResultsDialog</name>
    <message>
        <source>Open results</source>
        <translation>Отвори резултати</translation>
    </message>
    <message>
        <source>Save the results as CSV</source>
        <translation>Запази резултатите като CSV</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Таблици CSV (*.csv)</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>«%1» не може да се запише: %2</translation>
    </message>
</context>
<context>
    <name>acronym</name>
    <message>
        <source>Render the window as it first appears into FILE (PNG), then exit. Needs no display.</source>
        <translation>Записва прозореца, както се появява в началото, във ФАЙЛ (PNG) и спира. Не е нужен екран.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>Check the puzzle FILE, and any further FILEs, without opening a window: print each one&apos;s answer, number of pairs and encoding, or what is wrong. Exit status 2 when any file cannot be played, 0 otherwise.</source>
        <translation>Проверява задачата във ФАЙЛ и всеки следващ ФАЙЛ, без да отваря прозорец: показва отговора, броя на двойките и кодирането на всяка или какво не е наред. Кодът на изхода е 2, ако някой файл не става за игра, иначе 0.</translation>
    </message>
    <message>
        <source>A puzzle file to play instead of the built-in puzzle; the README describes the format.</source>
        <translation>Файл със задача, която да се играе вместо вградената; форматът е описан в README.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[ФАЙЛ]</translation>
    </message>
    <message>
        <source>answer: %1</source>
        <translation>отговор: %1</translation>
    </message>
    <message>
        <source>pairs: %1</source>
        <translation>двойки: %1</translation>
    </message>
    <message>
        <source>encoding: %1</source>
        <translation>кодиране: %1</translation>
    </message>
    <message>
        <source>cannot write the screenshot to &quot;%1&quot;: %2</source>
        <translation>картината на прозореца не може да се запише в «%1»: %2</translation>
    </message>
    <message>
        <source>one puzzle file at a time, not %1 (see --help)</source>
        <translation>по един файл със задача, а не %1 (вижте --help)</translation>
    </message>
    <message>
        <source>there is no display to open the window on; --screenshot FILE renders it into a picture instead</source>
        <translation>няма екран, на който да се отвори прозорецът; --screenshot ФАЙЛ го записва като картина</translation>
    </message>
    <message>
        <source>Write the puzzle as an A4 worksheet to solve on paper into PDF, then exit. Needs no display.</source>
        <translation>Записва задачата като лист формат A4 за решаване на хартия в PDF и спира. Не е нужен екран.</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Write the puzzle&apos;s answer key into PDF, then exit. Needs no display.</source>
        <translation>Записва отговорите на задачата в PDF и спира. Не е нужен екран.</translation>
    </message>
    <message>
        <source>Write the puzzle as an A4 crossword to fill in on paper into PDF, its shaded column spelling the answer, then exit. Needs no display.</source>
        <translation>Записва задачата като кръстословица на лист формат A4 за попълване на хартия в PDF и спира. Сивата колона дава отговора. Не е нужен екран.</translation>
    </message>
    <message>
        <source>Write the crossword filled in, for the teacher, into PDF, then exit. Needs no display.</source>
        <translation>Записва попълнената кръстословица за учителя в PDF и спира. Не е нужен екран.</translation>
    </message>
    <message>
        <source>Write the puzzle as one web page that plays in any browser, offline, into PAGE, then exit. Needs no display.</source>
        <translation>Записва задачата като една уеб страница в СТРАНИЦА и излиза. Страницата се играе във всеки браузър, и без интернет. Не е нужен екран.</translation>
    </message>
    <message>
        <source>PAGE</source>
        <translation>СТРАНИЦА</translation>
    </message>
    <message>
        <source>Open the puzzle editor, with a new puzzle or with FILE&apos;s.</source>
        <translation>Отваря редактора на пъзели с нов пъзел или с пъзела от ФАЙЛ.</translation>
    </message>
    <message>
        <source>Write the puzzle editor as one web page that makes puzzles in any browser, offline, into PAGE, then exit. Needs no display.</source>
        <translation>Записва редактора на пъзели като една уеб страница в СТРАНИЦА и излиза. Страницата прави пъзели във всеки браузър, и без интернет. Не е нужен екран.</translation>
    </message>
    <message>
        <source>Write the puzzle as a SCORM 1.2 package for Moodle and other learning platforms into ZIP, then exit. Needs no display.</source>
        <translation>Записва задачата като пакет SCORM 1.2 за Moodle и други платформи за обучение в ZIP и излиза. Не е нужен екран.</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>ZIP</translation>
    </message>
    <message>
        <source>pictures: %1</source>
        <translation>картини: %1</translation>
    </message>
    <message>
        <source>--csv writes the table of --results (see --help)</source>
        <translation>--csv записва таблицата на --results (виж --help)</translation>
    </message>
    <message>
        <source>Read the result lines that learners sent from the text FILE, and any further FILEs (a chat, a mail), and print the table of them.</source>
        <translation>Чете редовете с резултати, изпратени от учениците, от текста във ФАЙЛ и във всеки следващ ФАЙЛ (чат, писмо) и показва таблицата им.</translation>
    </message>
    <message>
        <source>With --results, also write the table into OUT as CSV for a spreadsheet.</source>
        <translation>С --results записва таблицата и в ИЗХОД като CSV за електронна таблица.</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>ИЗХОД</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>«%1» не може да се запише: %2</translation>
    </message>
    <message>
        <source>1 line beginning with «Резултат:» could not be read</source>
        <translation>1 ред «Резултат:» не можа да се прочете</translation>
    </message>
    <message>
        <source>%1 lines beginning with «Резултат:» could not be read</source>
        <translation>%1 реда «Резултат:» не можаха да се прочетат</translation>
    </message>
    <message>
        <source>Write the player as one web page into PAGE, then exit: it plays the puzzle that a link carries after its &apos;#&apos;, or the built-in one. Needs no display.</source>
        <translation>Записва играча като една уеб страница в PAGE и спира: той играе пъзела, който връзката носи след своето «#», или вградения. Не се нуждае от екран.</translation>
    </message>
    <message>
        <source>Print the link that plays the puzzle on any phone or computer: the player&apos;s address with the puzzle packed after its &apos;#&apos;. Pictures stay out of links.</source>
        <translation>Отпечатва връзката, с която пъзелът се играе на всеки телефон или компютър: адреса на играча с пъзела, опакован след «#». Картините не влизат във връзките.</translation>
    </message>
    <message>
        <source>Write the link&apos;s QR code into OUT: an SVG drawing when OUT ends in .svg, otherwise a PNG picture.</source>
        <translation>Записва QR кода на връзката в OUT: рисунка SVG, когато OUT завършва на .svg, иначе картина PNG.</translation>
    </message>
    <message>
        <source>With --link or --qr, the address of the player&apos;s page that the link leads to, instead of %1.</source>
        <translation>С --link или --qr: адресът на страницата на играча, към която води връзката, вместо %1.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Pictures stay out of the link: for them, send the file or the page.</source>
        <translation>Картините не влизат във връзката. За тях изпратете файла или страницата.</translation>
    </message>
    <message>
        <source>With --worksheet, end the worksheet with the QR code of the puzzle&apos;s link, to play it on a phone.</source>
        <translation>С --worksheet работният лист завършва с QR кода на връзката към пъзела, за да се играе на телефон.</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>Title: %1</source>
        <translation>Заглавие: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Отговор: %1</translation>
    </message>
    <message>
        <source>Instructions: %1</source>
        <translation>Указания: %1</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ред %1: %2</translation>
    </message>
</context>
<context>
    <name>puzzle</name>
    <message>
        <source>has a control character</source>
        <translation>съдържа управляващ знак</translation>
    </message>
    <message>
        <source>a second answer; the first is on line %1</source>
        <translation>втори отговор; първият е на ред %1</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>отговорът е празен</translation>
    </message>
    <message>
        <source>a second title; the first is on line %1</source>
        <translation>второ заглавие; първото е на ред %1</translation>
    </message>
    <message>
        <source>the title is empty</source>
        <translation>заглавието е празно</translation>
    </message>
    <message>
        <source>the instruction is empty</source>
        <translation>указанието е празно</translation>
    </message>
    <message>
        <source>expected &quot;word = explanation&quot;, or a key such as &quot;title:&quot;</source>
        <translation>очаква се «дума = пояснение» или ключ като «заглавие:»</translation>
    </message>
    <message>
        <source>the word before &quot;=&quot; is empty</source>
        <translation>думата преди «=» липсва</translation>
    </message>
    <message>
        <source>the explanation after &quot;=&quot; is empty</source>
        <translation>пояснението след «=» липсва</translation>
    </message>
    <message>
        <source>more than %1 pairs</source>
        <translation>повече от %1 двойки</translation>
    </message>
    <message>
        <source>the word &quot;%1&quot; is already on line %2</source>
        <translation>думата «%1» вече е на ред %2</translation>
    </message>
    <message>
        <source>the explanation &quot;%1&quot; is already on line %2</source>
        <translation>пояснението «%1» вече е на ред %2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не може да се прочете: %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB</source>
        <translation>е по-голям от 1 MiB</translation>
    </message>
    <message>
        <source>is not %1 text</source>
        <translation>не е текст в %1</translation>
    </message>
    <message>
        <source>has the byte 0x98, which is no character in windows-1251</source>
        <translation>съдържа байта 0x98, който не е знак в windows-1251</translation>
    </message>
    <message>
        <source>a puzzle needs at least %1 pairs, and this one has %2</source>
        <translation>задачата трябва да има поне %1 двойки, а тази има %2</translation>
    </message>
    <message>
        <source>the words&apos; first letters spell &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>първите букви на думите образуват «%1», а не «%2»</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>не е обикновен файл</translation>
    </message>
    <message>
        <source>the %1th letter of the answer</source>
        <translation>буква %1 от отговора</translation>
    </message>
    <message>
        <source>the %1st letter of the answer</source>
        <translation>буква %1 от отговора</translation>
    </message>
    <message>
        <source>the %1nd letter of the answer</source>
        <translation>буква %1 от отговора</translation>
    </message>
    <message>
        <source>the %1rd letter of the answer</source>
        <translation>буква %1 от отговора</translation>
    </message>
    <message>
        <source>«%1» does not start with «%2», %3</source>
        <translation>«%1» не започва с «%2», %3</translation>
    </message>
    <message>
        <source>a picture belongs right after the line of its pair</source>
        <translation>картината трябва да е веднага след реда на своята двойка</translation>
    </message>
    <message>
        <source>a second picture for the pair on line %1</source>
        <translation>втора картина за двойката на ред %1</translation>
    </message>
    <message>
        <source>the picture line names no picture</source>
        <translation>редът не посочва картина</translation>
    </message>
    <message>
        <source>the picture file &quot;%1&quot; is not given</source>
        <translation>файлът на картината «%1» не е даден</translation>
    </message>
    <message>
        <source>is larger than 8 MiB</source>
        <translation>е по-голям от 8 MiB</translation>
    </message>
    <message>
        <source>the picture file &quot;%1&quot; cannot be read: %2</source>
        <translation>файлът на картината «%1» не може да се прочете: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не е обикновен файл</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>няма такъв файл</translation>
    </message>
    <message>
        <source>the picture is larger than 512 KiB</source>
        <translation>картината е по-голяма от 512 KiB</translation>
    </message>
    <message>
        <source>the picture is not a JPEG, PNG or WebP file</source>
        <translation>картината не е файл JPEG, PNG или WebP</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels, more than %3 a side</source>
        <translation>картината е %1 × %2 пиксела, повече от %3 на страна</translation>
    </message>
    <message>
        <source>the picture does not decode whole</source>
        <translation>картината не може да се прочете цяла</translation>
    </message>
    <message>
        <source>the &quot;data:&quot; address does not hold base64 bytes</source>
        <translation>адресът «data:» не съдържа байтове в base64</translation>
    </message>
</context>
<context>
    <name>sheets</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>«%1» не може да се запише: %2</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>«%1» не може да се запише: %2</translation>
    </message>
    <message>
        <source>the link is %1 characters long, and a QR code holds at most 2953: shorter instructions and explanations make it shorter</source>
        <translation>връзката е дълга %1 знака, а QR кодът побира най-много 2953: по-кратки указания и пояснения я скъсяват</translation>
    </message>
    <message>
        <source>no QR code: %1</source>
        <translation>няма QR код: %1</translation>
    </message>
</context>
</TS>
