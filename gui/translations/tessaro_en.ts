<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CoreMessage</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds &quot;%2&quot;, which a table file cannot keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a table file (%2); it was not loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not loaded at start, so it was not overwritten: it is kept as &quot;%2&quot;, and the new one was saved in its place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot keep &quot;%2&quot;: it was saved as &quot;?&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tables could not be saved in &quot;%1&quot;, so they were saved in &quot;%2&quot;, where the next start reads them:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part %1 (%2, %3 x %4 mm) does not fit on a %5 x %6 mm sheet with a gap of %7 mm, turned or not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part %1 (%2, %3 x %4 mm) does not fit on a %5 x %6 mm sheet with a gap of %7 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part %1 could not be placed on a sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kerf fills a gap or notch narrower than it in %1: the part would not come out as drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kerf closes or splits %1: the cut is narrower than the kerf somewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kerf is wider than the room between %1 and %2: the beam along one would cut into the other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kerf is a width: more than 0, or 0 for none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kerf &apos;%1&apos; is not a width from 0 to %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kerf leaves %1 as drawn: it is an open cut, and which side of it is material is not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outline %1 (an outer cut) of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outline %1 (an inner cut) of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The nesting took longer than %1 seconds and was stopped: try a larger sheet, or fewer or coarser pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vector step Fi must be greater than 0 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vector step Fi is too small to draw with; choose a larger vector step Fi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spiral would have more than 10 000 000 lines; choose a larger vector step Fi or fewer turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spiral&apos;s numbers are too large to write; choose a smaller radius R or step St</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bounding box of the drawing is too large to be written; check the table values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A coordinate of the drawing is too large to be written; check the table values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A coordinate lies beyond a thousand kilometres, too far to cut or nest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory for this template; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The material &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not from %3 to %4 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a material: a name is not blank and holds no control character and no character that Windows-1251 lacks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перезапустите программу!</source>
        <translation>Restart the program!</translation>
    </message>
    <message>
        <source>Дно будет выпадать!</source>
        <translation>The bottom will fall out!</translation>
    </message>
    <message>
        <source> рекомендуется выбрать вариант с ножками</source>
        <translation> choose a variant with feet</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds binary bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the front panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rear panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the left side panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the right side panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the side panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the spiral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bobbin frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tab-slot piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cut-outs of the tab-slot piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table would make a file the next start refuses (%1), so it was not saved and the file was left as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was not loaded at start and could not be kept under another name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line of more than %1 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds control characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the cut-outs &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: it reaches outside the %2 face, %3 x %4 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a label needs the engraving fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the cut-outs and vents make %2 openings in all, more than the %3 a list may make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is beyond a kilometre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be more than 0, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is less than 0.000001 mm, the finest size drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes FACE,%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2, not %3 numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown face %1: front, rear, left, right, bottom or lid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown shape %1: circle, rect or slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown vent pattern %1: slots or holes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line begins with cutout, vent or label, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the corner radius is more than half the rectangle&apos;s smaller side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pitch must exceed the size by at least 1 mm, the least bar between openings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the vent is smaller than one opening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the vent would have more than 10000 openings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the label has no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text is longer than 200 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the corner radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the slot allowance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tab length allowance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the design &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a key of a design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a key of Tessaro %2: the design was written by Tessaro %3, which is newer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a text in quotes, as typed: %2 = &quot;...&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a table: [%2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes a list in brackets: %2 = [%3]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command: the commands are listed by tessaro-cli --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;feet&apos; is &quot;none&quot;, &quot;1&quot; or &quot;2&quot;, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;table-captions&apos; is &quot;russian&quot; or &quot;english&quot;, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the program&apos;s version, such as &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;open-last&apos; and &apos;closed-last&apos; exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[sheet] needs its size: size = &quot;600x400&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the text is not UTF-8, which a design file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewProblem</name>
    <message>
        <source>Row &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; has changes that are not saved.
Do you want to save them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtSavePrompt</name>
    <message>
        <source>These sheets already exist and will be replaced:
%1

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These sheets of an earlier, larger set will be removed:
%1

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files are named as sheets of the set but are not provably its sheets, so they will be left as they are:
%1

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the set?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message>
        <source>Wrote %1: %2, outlines: %3, %4; folder %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote sheets, %1: %2; folder %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; removed the earlier set&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; left %1, not provably sheets of this set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; sheets: %1, material used %2 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateButton</name>
    <message>
        <source>Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Archimedean spiral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make bobbin frame</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::gui::AssemblyPage</name>
    <message>
        <source>The 3D view shows the boxes: open the &quot;Folding box&quot; or the &quot;Simple box&quot; tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exploded: %1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to turn, the wheel zooms, a double click shows the first view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the parts apart along their faces to see the joints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tight joints: %1 (in red)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::gui::CutoutPage</name>
    <message>
        <source>Add row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new cut-out after the last, a round hole in the front to type over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the cut-out of the selected row</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::gui::CutoutTableModel</name>
    <message>
        <source>Add a cut-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove a cut-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sizes, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cutout, vent or label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>front, rear, left, right, bottom or lid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circle, rect or slot for a cut-out; slots or holes for a vent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The centre from the lower-left corner of the face seen from outside; the bottom and the lid seen from above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circle: diameter; rect: width,height[,radius]; slot: length,width; vent: width,height[,pitch,size]; label: letter height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The label&apos;s text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit a cut-out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::gui::DesignFiles</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::gui::KerfField</name>
    <message>
        <source>Kerf, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The beam&apos;s width, mm: outer cuts are offset outward and inner cuts inward by half of it, so the parts come off the cutter as drawn; 0: none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::gui::MainWindow</name>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folding box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>demountable box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounding corner lid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One bottom support tooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumper support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut straight inside corners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feet on the sidewall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screw slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab-slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archimedean spiral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output eps template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut-outs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holes, vents and labels in the faces of the whole boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut-out row %1 does not read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>design</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::gui::MaterialBox</name>
    <message>
        <source>Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A material preset: its thickness, kerf and joint allowances, kept in Materials.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the thickness, kerf and allowances as a material preset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::gui::PreviewWidget</name>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click opens the large preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drawing…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::gui::PreviewWindow</name>
    <message>
        <source>Template preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assembly 3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the whole template (or double-click)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::gui::SheetGroup</name>
    <message>
        <source>Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nest the parts onto sheets of this size, one file per sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm, gap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 mm is not from 0 to %3 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 mm must be more than 0 and at most %3 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet width, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet height, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gap between parts and from the sheet&apos;s edge, mm; empty: twice the cutter diameter, at least 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the current template, with its tables and switches, to the job: while the job holds a template, a button saves the job&apos;s templates nested together on the sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the job: a button saves its own template again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The job holds no template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never turn a part: the wood&apos;s grain, or a laser&apos;s kerf that differs along X and Y</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::gui::WindowMenus</name>
    <message>
        <source>&amp;New design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open design…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent designs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save design &amp;as…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
