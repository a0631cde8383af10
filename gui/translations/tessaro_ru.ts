<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CoreMessage</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» — не число</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» — не целое число</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds &quot;%2&quot;, which a table file cannot keep</source>
        <translation>в «%1» есть знак «%2», который файл таблицы не сохранит</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удалось создать файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удалось открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a table file (%2); it was not loaded</source>
        <translation>«%1» — не файл таблицы (%2); он не загружен</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not loaded at start, so it was not overwritten: it is kept as &quot;%2&quot;, and the new one was saved in its place</source>
        <translation>«%1» не был загружен при запуске, поэтому не перезаписан: он сохранён как «%2», а новый записан на его место</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot keep &quot;%2&quot;: it was saved as &quot;?&quot;</source>
        <translation>«%1» не может хранить знак «%2»: он записан как «?»</translation>
    </message>
    <message>
        <source>The tables could not be saved in &quot;%1&quot;, so they were saved in &quot;%2&quot;, where the next start reads them:</source>
        <translation>Таблицы не удалось записать в «%1», поэтому они записаны в «%2», откуда их прочтёт следующий запуск:</translation>
    </message>
    <message>
        <source>Part %1 (%2, %3 x %4 mm) does not fit on a %5 x %6 mm sheet with a gap of %7 mm, turned or not</source>
        <translation>Деталь %1 (%2, %3 x %4 мм) не помещается на лист %5 x %6 мм с зазором %7 мм, ни прямо, ни повёрнутой</translation>
    </message>
    <message>
        <source>Part %1 (%2, %3 x %4 mm) does not fit on a %5 x %6 mm sheet with a gap of %7 mm</source>
        <translation>Деталь %1 (%2, %3 x %4 мм) не помещается на лист %5 x %6 мм с зазором %7 мм</translation>
    </message>
    <message>
        <source>Part %1 could not be placed on a sheet</source>
        <translation>Деталь %1 не удалось разместить на листе</translation>
    </message>
    <message>
        <source>The kerf fills a gap or notch narrower than it in %1: the part would not come out as drawn</source>
        <translation>Пропил заполняет зазор или вырез уже себя: %1; деталь не выйдет такой, как нарисована</translation>
    </message>
    <message>
        <source>The kerf closes or splits %1: the cut is narrower than the kerf somewhere</source>
        <translation>Пропил закрывает или разрывает %1: где-то рез уже пропила</translation>
    </message>
    <message>
        <source>The kerf is wider than the room between %1 and %2: the beam along one would cut into the other</source>
        <translation>Пропил шире промежутка между %1 и %2: луч вдоль одной врежется в другую</translation>
    </message>
    <message>
        <source>The kerf is a width: more than 0, or 0 for none</source>
        <translation>Пропил — это ширина: больше 0 или 0, если пропила нет</translation>
    </message>
    <message>
        <source>The kerf &apos;%1&apos; is not a width from 0 to %2 mm</source>
        <translation>Пропил «%1» — не ширина от 0 до %2 мм</translation>
    </message>
    <message>
        <source>The kerf leaves %1 as drawn: it is an open cut, and which side of it is material is not known</source>
        <translation>Пропил оставляет %1 как нарисован: это открытый рез, и неизвестно, с какой стороны материал</translation>
    </message>
    <message>
        <source>outline %1 (an outer cut) of %2</source>
        <translation>контур %1 (внешний рез) детали %2</translation>
    </message>
    <message>
        <source>outline %1 (an inner cut) of %2</source>
        <translation>контур %1 (внутренний рез) детали %2</translation>
    </message>
    <message>
        <source>The nesting took longer than %1 seconds and was stopped: try a larger sheet, or fewer or coarser pieces</source>
        <translation>Раскладка заняла больше %1 секунд и остановлена: возьмите лист побольше или меньше деталей</translation>
    </message>
    <message>
        <source>The vector step Fi must be greater than 0 degrees</source>
        <translation>Шаг вектора Fi должен быть больше 0 градусов</translation>
    </message>
    <message>
        <source>The vector step Fi is too small to draw with; choose a larger vector step Fi</source>
        <translation>Шаг вектора Fi слишком мал для построения; выберите шаг Fi побольше</translation>
    </message>
    <message>
        <source>The spiral would have more than 10 000 000 lines; choose a larger vector step Fi or fewer turns</source>
        <translation>В спирали было бы больше 10 000 000 отрезков; выберите шаг Fi побольше или меньше витков</translation>
    </message>
    <message>
        <source>The spiral&apos;s numbers are too large to write; choose a smaller radius R or step St</source>
        <translation>Числа спирали слишком велики для записи; выберите радиус R или шаг St поменьше</translation>
    </message>
    <message>
        <source>The bounding box of the drawing is too large to be written; check the table values</source>
        <translation>Габарит чертежа слишком велик для записи; проверьте значения таблицы</translation>
    </message>
    <message>
        <source>A coordinate of the drawing is too large to be written; check the table values</source>
        <translation>Координата чертежа слишком велика для записи; проверьте значения таблицы</translation>
    </message>
    <message>
        <source>A coordinate lies beyond a thousand kilometres, too far to cut or nest</source>
        <translation>Координата дальше тысячи километров: её не вырезать и не разложить</translation>
    </message>
    <message>
        <source>There is not enough memory for this template; nothing was written.</source>
        <translation>Для этого шаблона не хватает памяти; ничего не записано.</translation>
    </message>
    <message>
        <source>The material &quot;%1&quot;: %2</source>
        <translation>Материал «%1»: %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not from %3 to %4 mm</source>
        <translation>%1 «%2» — не от %3 до %4 мм</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a material: a name is not blank and holds no control character and no character that Windows-1251 lacks</source>
        <translation>«%1» не может быть именем материала: имя не пустое и не содержит управляющих знаков и знаков, которых нет в Windows-1251</translation>
    </message>
    <message>
        <source>Перезапустите программу!</source>
        <translation>Перезапустите программу!</translation>
    </message>
    <message>
        <source>Дно будет выпадать!</source>
        <translation>Дно будет выпадать!</translation>
    </message>
    <message>
        <source> рекомендуется выбрать вариант с ножками</source>
        <translation> рекомендуется выбрать вариант с ножками</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it holds binary bytes</source>
        <translation>в нём двоичные байты</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>На устройстве не осталось места</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Это папка</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Нет такого файла или папки</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Файловая система только для чтения</translation>
    </message>
    <message>
        <source>the front panel</source>
        <translation>фасад</translation>
    </message>
    <message>
        <source>the rear panel</source>
        <translation>тыл</translation>
    </message>
    <message>
        <source>the bottom</source>
        <translation>дно</translation>
    </message>
    <message>
        <source>the lid</source>
        <translation>крышка</translation>
    </message>
    <message>
        <source>the left side panel</source>
        <translation>левая боковина</translation>
    </message>
    <message>
        <source>the right side panel</source>
        <translation>правая боковина</translation>
    </message>
    <message>
        <source>the side panel</source>
        <translation>боковина</translation>
    </message>
    <message>
        <source>the spiral</source>
        <translation>спираль</translation>
    </message>
    <message>
        <source>the bobbin frame</source>
        <translation>каркас катушки</translation>
    </message>
    <message>
        <source>the tab-slot piece</source>
        <translation>шаблон зуб-паз</translation>
    </message>
    <message>
        <source>the cut-outs of the tab-slot piece</source>
        <translation>пазы шаблона зуб-паз</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist</source>
        <translation>Это ссылка на «%1», которого нет</translation>
    </message>
    <message>
        <source>The table would make a file the next start refuses (%1), so it was not saved and the file was left as it was</source>
        <translation>Из таблицы вышел бы файл, который следующий запуск не примет (%1), поэтому она не записана, а файл оставлен как был</translation>
    </message>
    <message>
        <source>It was not loaded at start and could not be kept under another name: %1</source>
        <translation>Он не был загружен при запуске, и его не удалось сохранить под другим именем: %1</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>больше %1 МиБ</translation>
    </message>
    <message>
        <source>more than %1 lines</source>
        <translation>больше %1 строк</translation>
    </message>
    <message>
        <source>a line of more than %1 cells</source>
        <translation>строка больше чем из %1 ячеек</translation>
    </message>
    <message>
        <source>it holds control characters</source>
        <translation>в нём управляющие знаки</translation>
    </message>
    <message>
        <source>Cannot read the cut-outs &quot;%1&quot;: %2</source>
        <translation>Не удалось прочитать вырезы «%1»: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>%1: it reaches outside the %2 face, %3 x %4 mm</source>
        <translation>%1: выходит за грань %2, %3 x %4 мм</translation>
    </message>
    <message>
        <source>%1: a label needs the engraving fonts</source>
        <translation>%1: для надписи нужны шрифты гравировки</translation>
    </message>
    <message>
        <source>%1: the cut-outs and vents make %2 openings in all, more than the %3 a list may make</source>
        <translation>%1: вырезы и вентиляция дают %2 отверстий, больше %3, допустимых для одного списка</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid floating point value</source>
        <translation>%1: «%2» — не число</translation>
    </message>
    <message>
        <source>%1 %2 is beyond a kilometre</source>
        <translation>%1 %2 — дальше километра</translation>
    </message>
    <message>
        <source>%1 must be more than 0, not %2</source>
        <translation>%1: нужно больше 0, а не %2</translation>
    </message>
    <message>
        <source>%1 %2 is less than 0.000001 mm, the finest size drawn</source>
        <translation>%1 %2 — меньше 0.000001 мм, самого малого рисуемого размера</translation>
    </message>
    <message>
        <source>%1 takes FACE,%2</source>
        <translation>%1 пишется как FACE,%2</translation>
    </message>
    <message>
        <source>%1 takes %2, not %3 numbers</source>
        <translation>%1 пишется как %2, а чисел %3</translation>
    </message>
    <message>
        <source>unknown face %1: front, rear, left, right, bottom or lid</source>
        <translation>неизвестная грань %1: front, rear, left, right, bottom или lid</translation>
    </message>
    <message>
        <source>unknown shape %1: circle, rect or slot</source>
        <translation>неизвестная форма %1: circle, rect или slot</translation>
    </message>
    <message>
        <source>unknown vent pattern %1: slots or holes</source>
        <translation>неизвестный вид вентиляции %1: slots или holes</translation>
    </message>
    <message>
        <source>a line begins with cutout, vent or label, not %1</source>
        <translation>строка начинается с cutout, vent или label, а не с %1</translation>
    </message>
    <message>
        <source>the corner radius is more than half the rectangle&apos;s smaller side</source>
        <translation>радиус скругления больше половины меньшей стороны прямоугольника</translation>
    </message>
    <message>
        <source>the pitch must exceed the size by at least 1 mm, the least bar between openings</source>
        <translation>шаг должен быть больше размера хотя бы на 1 мм, наименьшую перемычку между отверстиями</translation>
    </message>
    <message>
        <source>the vent is smaller than one opening</source>
        <translation>вентиляция меньше одного отверстия</translation>
    </message>
    <message>
        <source>the vent would have more than 10000 openings</source>
        <translation>в вентиляции было бы больше 10000 отверстий</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>текст не в UTF-8</translation>
    </message>
    <message>
        <source>the label has no text</source>
        <translation>у надписи нет текста</translation>
    </message>
    <message>
        <source>the text is longer than 200 characters</source>
        <translation>текст длиннее 200 знаков</translation>
    </message>
    <message>
        <source>the text holds a control character</source>
        <translation>в тексте есть управляющий символ</translation>
    </message>
    <message>
        <source>not UTF-8</source>
        <translation>не UTF-8</translation>
    </message>
    <message>
        <source>the diameter</source>
        <translation>диаметр</translation>
    </message>
    <message>
        <source>the width</source>
        <translation>ширина</translation>
    </message>
    <message>
        <source>the height</source>
        <translation>высота</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>длина</translation>
    </message>
    <message>
        <source>the corner radius</source>
        <translation>радиус скругления</translation>
    </message>
    <message>
        <source>the pitch</source>
        <translation>шаг</translation>
    </message>
    <message>
        <source>the size</source>
        <translation>размер</translation>
    </message>
    <message>
        <source>the thickness</source>
        <translation>толщина</translation>
    </message>
    <message>
        <source>the slot allowance</source>
        <translation>припуск отверстия на толщину зуба</translation>
    </message>
    <message>
        <source>the tab length allowance</source>
        <translation>припуск длины зуба</translation>
    </message>
    <message>
        <source>Cannot read the design &quot;%1&quot;: %2</source>
        <translation>Не удалось прочитать проект «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a key of a design</source>
        <translation>«%1» — не ключ проекта</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a key of Tessaro %2: the design was written by Tessaro %3, which is newer</source>
        <translation>«%1» — не ключ Tessaro %2: проект записан более новой версией, Tessaro %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a text in quotes, as typed: %2 = &quot;...&quot;</source>
        <translation>«%1» — текст в кавычках, как он набран: %2 = &quot;...&quot;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes true or false</source>
        <translation>«%1» — true или false</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a table: [%2]</source>
        <translation>«%1» — таблица: [%2]</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a list in brackets: %2 = [%3]</source>
        <translation>«%1» — список в квадратных скобках: %2 = [%3]</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command: the commands are listed by tessaro-cli --help</source>
        <translation>«%1» — не команда: команды перечисляет tessaro-cli --help</translation>
    </message>
    <message>
        <source>&apos;feet&apos; is &quot;none&quot;, &quot;1&quot; or &quot;2&quot;, not &quot;%1&quot;</source>
        <translation>«feet» — &quot;none&quot;, &quot;1&quot; или &quot;2&quot;, а не &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&apos;table-captions&apos; is &quot;russian&quot; or &quot;english&quot;, not &quot;%1&quot;</source>
        <translation>«table-captions» — &quot;russian&quot; или &quot;english&quot;, а не &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the program&apos;s version, such as &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>«%1» — версия программы, например &quot;%2&quot;, а не &quot;%3&quot;</translation>
    </message>
    <message>
        <source>&apos;open-last&apos; and &apos;closed-last&apos; exclude each other</source>
        <translation>«open-last» и «closed-last» исключают друг друга</translation>
    </message>
    <message>
        <source>[sheet] needs its size: size = &quot;600x400&quot;</source>
        <translation>В [sheet] нужен размер: size = &quot;600x400&quot;</translation>
    </message>
    <message>
        <source>%1: the text is not UTF-8, which a design file holds</source>
        <translation>%1: текст не в UTF-8, а в файле проекта только UTF-8</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
</context>
<context>
    <name>PreviewProblem</name>
    <message>
        <source>Row &quot;%1&quot;: %2</source>
        <translation>Строка «%1»: %2</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtDesignPrompt</name>
    <message>
        <source>Tessaro designs (*.%1)</source>
        <translation>Проекты Tessaro (*.%1)</translation>
    </message>
    <message>
        <source>Open design</source>
        <translation>Открыть проект</translation>
    </message>
    <message>
        <source>Save design</source>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; has changes that are not saved.
Do you want to save them?</source>
        <translation>В проекте «%1» есть несохранённые изменения.
Сохранить их?</translation>
    </message>
</context>
<context>
    <name>QtSavePrompt</name>
    <message>
        <source>These sheets already exist and will be replaced:
%1

</source>
        <translation>Эти листы уже есть и будут заменены:
%1

</translation>
    </message>
    <message>
        <source>These sheets of an earlier, larger set will be removed:
%1

</source>
        <translation>Эти листы прежнего, большего набора будут удалены:
%1

</translation>
    </message>
    <message>
        <source>These files are named as sheets of the set but are not provably its sheets, so they will be left as they are:
%1

</source>
        <translation>Эти файлы названы как листы набора, но нет уверенности, что это его листы, поэтому они останутся как есть:
%1

</translation>
    </message>
    <message>
        <source>Do you want to save the set?</source>
        <translation>Записать набор?</translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message>
        <source>Wrote %1: %2, outlines: %3, %4; folder %5</source>
        <translation>Записан %1: %2, контуров: %3, %4; папка %5</translation>
    </message>
    <message>
        <source>Wrote sheets, %1: %2; folder %3</source>
        <translation>Записаны листы, %1: %2; папка %3</translation>
    </message>
    <message>
        <source>; removed the earlier set&apos;s %1</source>
        <translation>; удалены листы прежнего набора: %1</translation>
    </message>
    <message>
        <source>; left %1, not provably sheets of this set</source>
        <translation>; оставлены %1: нет уверенности, что это листы набора</translation>
    </message>
    <message>
        <source>; sheets: %1, material used %2 %</source>
        <translation>; листов: %1, использовано материала %2 %</translation>
    </message>
</context>
<context>
    <name>TemplateButton</name>
    <message>
        <source>Front</source>
        <translation>Фасад</translation>
    </message>
    <message>
        <source>Rear</source>
        <translation>Тыл</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Дно</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Боковина</translation>
    </message>
    <message>
        <source>Lid</source>
        <translation>Крышка</translation>
    </message>
    <message>
        <source>Make all</source>
        <translation>Все элементы</translation>
    </message>
    <message>
        <source>Make template</source>
        <translation>Создать шаблон Зуб - паз</translation>
    </message>
    <message>
        <source>Make Archimedean spiral</source>
        <translation>Построить спираль</translation>
    </message>
    <message>
        <source>Make bobbin frame</source>
        <translation>Создать каркас</translation>
    </message>
</context>
<context>
    <name>tessaro::gui::AssemblyPage</name>
    <message>
        <source>The 3D view shows the boxes: open the &quot;Folding box&quot; or the &quot;Simple box&quot; tab.</source>
        <translation>Трёхмерный вид показывает корпуса: откройте вкладку «Разборный корпус» или «Простой корпус».</translation>
    </message>
    <message>
        <source>Exploded: %1 mm</source>
        <translation>Разнести: %1 мм</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>Drag to turn, the wheel zooms, a double click shows the first view</source>
        <translation>Тяните мышью, чтобы повернуть; колесо приближает; двойной щелчок — исходный вид</translation>
    </message>
    <message>
        <source>Move the parts apart along their faces to see the joints</source>
        <translation>Раздвинуть детали вдоль их граней, чтобы увидеть соединения</translation>
    </message>
    <message>
        <source>tight joints: %1 (in red)</source>
        <translation>тугих соединений: %1 (красным)</translation>
    </message>
</context>
<context>
    <name>tessaro::gui::CutoutPage</name>
    <message>
        <source>Add row</source>
        <translation>Добавить строку</translation>
    </message>
    <message>
        <source>A new cut-out after the last, a round hole in the front to type over</source>
        <translation>Новый вырез после последнего: круглое отверстие в передней стенке, чтобы вписать своё</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Удалить строку</translation>
    </message>
    <message>
        <source>Removes the cut-out of the selected row</source>
        <translation>Удаляет вырез выделенной строки</translation>
    </message>
</context>
<context>
    <name>tessaro::gui::CutoutTableModel</name>
    <message>
        <source>Add a cut-out</source>
        <translation>Добавление выреза</translation>
    </message>
    <message>
        <source>Remove a cut-out</source>
        <translation>Удаление выреза</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Грань</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>X, mm</source>
        <translation>X, мм</translation>
    </message>
    <message>
        <source>Y, mm</source>
        <translation>Y, мм</translation>
    </message>
    <message>
        <source>Sizes, mm</source>
        <translation>Размеры, мм</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>cutout, vent or label</source>
        <translation>cutout (вырез), vent (вентиляция) или label (надпись)</translation>
    </message>
    <message>
        <source>front, rear, left, right, bottom or lid</source>
        <translation>front (передняя), rear (задняя), left (левая), right (правая), bottom (дно) или lid (крышка)</translation>
    </message>
    <message>
        <source>circle, rect or slot for a cut-out; slots or holes for a vent</source>
        <translation>circle, rect или slot для выреза; slots или holes для вентиляции</translation>
    </message>
    <message>
        <source>The centre from the lower-left corner of the face seen from outside; the bottom and the lid seen from above</source>
        <translation>Центр от левого нижнего угла грани, если смотреть снаружи; дно и крышка — сверху</translation>
    </message>
    <message>
        <source>circle: diameter; rect: width,height[,radius]; slot: length,width; vent: width,height[,pitch,size]; label: letter height</source>
        <translation>circle: диаметр; rect: ширина,высота[,радиус]; slot: длина,ширина; vent: ширина,высота[,шаг,размер]; label: высота букв</translation>
    </message>
    <message>
        <source>The label&apos;s text</source>
        <translation>Текст надписи</translation>
    </message>
    <message>
        <source>Edit a cut-out</source>
        <translation>Правка выреза</translation>
    </message>
</context>
<context>
    <name>tessaro::gui::DesignFiles</name>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>«%1», строка %2: %3</translation>
    </message>
</context>
<context>
    <name>tessaro::gui::KerfField</name>
    <message>
        <source>Kerf, mm</source>
        <translation>Пропил, мм</translation>
    </message>
    <message>
        <source>The beam&apos;s width, mm: outer cuts are offset outward and inner cuts inward by half of it, so the parts come off the cutter as drawn; 0: none</source>
        <translation>Ширина луча, мм: внешние резы смещаются наружу, а внутренние внутрь на её половину, чтобы детали выходили из-под резака такими, как нарисованы; 0 — без смещения</translation>
    </message>
</context>
<context>
    <name>tessaro::gui::MainWindow</name>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Folding box</source>
        <translation>Разборный корпус</translation>
    </message>
    <message>
        <source>demountable box</source>
        <translation>разборный корпус</translation>
    </message>
    <message>
        <source>Rounding corner lid</source>
        <translation>Скругление углов крышки</translation>
    </message>
    <message>
        <source>One bottom support tooth</source>
        <translation>Один зуб опоры дна</translation>
    </message>
    <message>
        <source>Jumper support</source>
        <translation>Перемычка опоры дна</translation>
    </message>
    <message>
        <source>Cut straight inside corners</source>
        <translation>Прорезать прямые внутренние углы</translation>
    </message>
    <message>
        <source>Feet on the sidewall</source>
        <translation>Ножки на боковине</translation>
    </message>
    <message>
        <source>Simple box</source>
        <translation>Простой корпус</translation>
    </message>
    <message>
        <source>Screw slots</source>
        <translation>пазы под винты</translation>
    </message>
    <message>
        <source>Tab-slot</source>
        <translation>Зуб-Паз</translation>
    </message>
    <message>
        <source>Archimedean spiral</source>
        <translation>Спираль Архимеда</translation>
    </message>
    <message>
        <source>Output eps template</source>
        <translation>Выходной шаблон eps</translation>
    </message>
    <message>
        <source>Transformer</source>
        <translation>Трансформатор</translation>
    </message>
    <message>
        <source>Cut-outs</source>
        <translation>Вырезы</translation>
    </message>
    <message>
        <source>Holes, vents and labels in the faces of the whole boxes</source>
        <translation>Отверстия, вентиляция и надписи на гранях целых коробок</translation>
    </message>
    <message>
        <source>Cut-out row %1 does not read: %2</source>
        <translation>Строка выреза %1 не читается: %2</translation>
    </message>
    <message>
        <source>design</source>
        <translation>проект</translation>
    </message>
</context>
<context>
    <name>tessaro::gui::MaterialBox</name>
    <message>
        <source>Material</source>
        <translation>Материал</translation>
    </message>
    <message>
        <source>Material name:</source>
        <translation>Имя материала:</translation>
    </message>
    <message>
        <source>A material preset: its thickness, kerf and joint allowances, kept in Materials.txt</source>
        <translation>Набор материала: его толщина, ширина реза и допуски соединений, хранится в Materials.txt</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Keep the thickness, kerf and allowances as a material preset</source>
        <translation>Сохранить толщину, ширину реза и допуски как набор материала</translation>
    </message>
</context>
<context>
    <name>tessaro::gui::PreviewWidget</name>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>Double-click opens the large preview</source>
        <translation>Двойной щелчок открывает большое окно просмотра</translation>
    </message>
    <message>
        <source>Sheets: %1, %2</source>
        <translation>Листов: %1, %2</translation>
    </message>
    <message>
        <source>drawing…</source>
        <translation>построение…</translation>
    </message>
</context>
<context>
    <name>tessaro::gui::PreviewWindow</name>
    <message>
        <source>Template preview</source>
        <translation>Просмотр шаблона</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Чертёж</translation>
    </message>
    <message>
        <source>Assembly 3D</source>
        <translation>Сборка 3D</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>Show the whole template (or double-click)</source>
        <translation>Показать шаблон целиком (или двойной щелчок)</translation>
    </message>
</context>
<context>
    <name>tessaro::gui::SheetGroup</name>
    <message>
        <source>Sheet</source>
        <translation>Лист</translation>
    </message>
    <message>
        <source>Nest the parts onto sheets of this size, one file per sheet</source>
        <translation>Разложить детали на листы этого размера, по файлу на лист</translation>
    </message>
    <message>
        <source>mm, gap</source>
        <translation>мм, зазор</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>авто</translation>
    </message>
    <message>
        <source>Sheet width</source>
        <translation>Ширина листа</translation>
    </message>
    <message>
        <source>Sheet height</source>
        <translation>Высота листа</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Зазор</translation>
    </message>
    <message>
        <source>%1: %2 mm is not from 0 to %3 mm</source>
        <translation>%1: %2 мм — не от 0 до %3 мм</translation>
    </message>
    <message>
        <source>%1: %2 mm must be more than 0 and at most %3 mm</source>
        <translation>%1: %2 мм — нужно больше 0 и не больше %3 мм</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Sheet width, mm</source>
        <translation>Ширина листа, мм</translation>
    </message>
    <message>
        <source>Sheet height, mm</source>
        <translation>Высота листа, мм</translation>
    </message>
    <message>
        <source>Gap between parts and from the sheet&apos;s edge, mm; empty: twice the cutter diameter, at least 2</source>
        <translation>Зазор между деталями и от края листа, мм; пусто — два диаметра фрезы, не меньше 2</translation>
    </message>
    <message>
        <source>Add to job</source>
        <translation>Добавить в задание</translation>
    </message>
    <message>
        <source>Add the current template, with its tables and switches, to the job: while the job holds a template, a button saves the job&apos;s templates nested together on the sheets</source>
        <translation>Добавить текущий шаблон с его таблицами и переключателями в задание: пока в задании есть шаблон, кнопка сохраняет шаблоны задания, разложенные вместе на листах</translation>
    </message>
    <message>
        <source>Clear the job: a button saves its own template again</source>
        <translation>Очистить задание: кнопка снова сохраняет свой шаблон</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>The job holds no template</source>
        <translation>В задании нет шаблонов</translation>
    </message>
    <message>
        <source>No rotation</source>
        <translation>Не поворачивать</translation>
    </message>
    <message>
        <source>Never turn a part: the wood&apos;s grain, or a laser&apos;s kerf that differs along X and Y</source>
        <translation>Не поворачивать детали: из-за волокон древесины или пропила лазера, разного по X и Y</translation>
    </message>
</context>
<context>
    <name>tessaro::gui::WindowMenus</name>
    <message>
        <source>&amp;New design</source>
        <translation>&amp;Новый проект</translation>
    </message>
    <message>
        <source>&amp;Open design…</source>
        <translation>&amp;Открыть проект…</translation>
    </message>
    <message>
        <source>&amp;Recent designs</source>
        <translation>&amp;Недавние проекты</translation>
    </message>
    <message>
        <source>Save &amp;design</source>
        <translation>Сохранить &amp;проект</translation>
    </message>
    <message>
        <source>Save design &amp;as…</source>
        <translation>Сохранить проект &amp;как…</translation>
    </message>
</context>
</TS>
