<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>Built on %Y-%b-%d %H:%M:%S</source>
        <translation>Erstellt am %d.%m.%Y %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>tonik: not a CSS colour: &quot;%1&quot;
</source>
        <translation>tonik: keine CSS-Farbe: „%1“
</translation>
    </message>
    <message>
        <source>tonik: TEXT takes a text colour, not a %1 declaration: &quot;%2&quot;
</source>
        <translation>tonik: TEXT nimmt eine Textfarbe, keine %1-Deklaration: „%2“
</translation>
    </message>
    <message>
        <source>Chooses the text and background colours of web text; its colours are kept in
~/.config/Kavon/tonik.conf.</source>
        <translation>Wählt die Text- und Hintergrundfarbe von Webtext; die Farben stehen in
~/.config/Kavon/tonik.conf.</translation>
    </message>
    <message>
        <source>Prints the WCAG 2 contrast of a TEXT colour on a BACKGROUND colour, each in any CSS colour syntax, and below 7:1 the text colour Fix would give; ends with status 0 when the pair passes AA, 1 when it does not, 2 for a colour it cannot read. Needs no display.</source>
        <translation>Gibt den WCAG-2-Kontrast einer Farbe TEXT auf einer Farbe BACKGROUND aus, jede in beliebiger CSS-Farbschreibweise, und unter 7:1 die Textfarbe, die „Lesbar“ ergäbe; endet mit Status 0, wenn das Paar AA erfüllt, 1, wenn nicht, 2 für eine unlesbare Farbe. Braucht keinen Bildschirm.</translation>
    </message>
    <message>
        <source>With --contrast: adds the contrast as readers with protanopia, deuteranopia, tritanopia and achromatopsia see the pair (simulated: Machado, Oliveira and Fernandes 2009), and ends with status 1 when any of them fails AA.</source>
        <translation>Mit --contrast: fügt den Kontrast hinzu, wie Leser mit Protanopie, Deuteranopie, Tritanopie und Achromatopsie das Paar sehen (simuliert: Machado, Oliveira und Fernandes 2009), und endet mit Status 1, wenn einer davon AA verfehlt.</translation>
    </message>
    <message>
        <source>With --contrast: the text colour.</source>
        <translation>Mit --contrast: die Textfarbe.</translation>
    </message>
    <message>
        <source>With --contrast: the background colour.</source>
        <translation>Mit --contrast: die Hintergrundfarbe.</translation>
    </message>
    <message>
        <source>--contrast takes two colours.</source>
        <translation>--contrast nimmt zwei Farben.</translation>
    </message>
    <message>
        <source>--vision goes with --contrast.</source>
        <translation>--vision gehört zu --contrast.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>tonik: no display to open a window on (neither X11 nor Wayland); tonik --contrast TEXT BACKGROUND works without one
</source>
        <translation>tonik: kein Bildschirm, um ein Fenster zu öffnen (weder X11 noch Wayland); tonik --contrast TEXT BACKGROUND geht auch ohne
</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>Fi&amp;x</source>
        <translation>&amp;Lesbar</translation>
    </message>
    <message>
        <source>Moves the edited colour to the nearest readable colour</source>
        <translation>Ändert die bearbeitete Farbe in die nächste gut lesbare Farbe</translation>
    </message>
    <message>
        <source>Contrast %1:1</source>
        <translation>Kontrast %1:1</translation>
    </message>
    <message>
        <source>%1 large</source>
        <translation>%1 groß</translation>
    </message>
    <message>
        <source>Contrast %1 to 1.</source>
        <translation>Kontrast %1 zu 1.</translation>
    </message>
    <message>
        <source>Passes %1.</source>
        <translation>Erfüllt %1.</translation>
    </message>
    <message>
        <source>Fails %1.</source>
        <translation>Verfehlt %1.</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Pick</source>
        <translation>Wahl</translation>
    </message>
    <message>
        <source> &amp;Red</source>
        <translation> &amp;Rot</translation>
    </message>
    <message>
        <source> &amp;Green</source>
        <translation> &amp;Grün</translation>
    </message>
    <message>
        <source> &amp;Blue</source>
        <translation> &amp;Blau</translation>
    </message>
    <message>
        <source>&amp;Front</source>
        <translation>&amp;Vorn</translation>
    </message>
    <message>
        <source>Bac&amp;k</source>
        <translation>&amp;Hinten</translation>
    </message>
    <message>
        <source>&amp;HTML Code</source>
        <translation>HT&amp;ML-Code</translation>
    </message>
    <message>
        <source>&amp;Safe</source>
        <translation>&amp;Sicher</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopie</translation>
    </message>
    <message>
        <source>Std.</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>Pal</source>
        <translation>Pal</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>SAMPLE</source>
        <translation>MUSTER</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Dropper</name>
    <message>
        <source>Not a CSS colour: &quot;%1&quot;</source>
        <translation>Keine CSS-Farbe: „%1“</translation>
    </message>
    <message>
        <source>Picking from the whole screen needs the desktop portal (xdg-desktop-portal)</source>
        <translation>Die Wahl vom ganzen Bildschirm braucht das Desktop-Portal (xdg-desktop-portal)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;About Tonik...</source>
        <translation>Ü&amp;ber Tonik...</translation>
    </message>
    <message>
        <source>&amp;Hex</source>
        <translation>&amp;Hex</translation>
    </message>
    <message>
        <source>&amp;RGB</source>
        <translation>&amp;RGB</translation>
    </message>
    <message>
        <source>H&amp;SL</source>
        <translation>H&amp;SL</translation>
    </message>
    <message>
        <source>&amp;OKLCH</source>
        <translation>&amp;OKLCH</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Show Con&amp;trast</source>
        <translation>&amp;Kontrast zeigen</translation>
    </message>
    <message>
        <source>Copy as CS&amp;S</source>
        <translation>Als &amp;CSS kopieren</translation>
    </message>
    <message>
        <source>Cop&amp;y As</source>
        <translation>Kopieren &amp;als</translation>
    </message>
    <message>
        <source>&amp;Paste Colour</source>
        <translation>Farbe &amp;einfügen</translation>
    </message>
    <message>
        <source>Colour &amp;Vision</source>
        <translation>&amp;Farbsehen</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>HTML Code</source>
        <translation>HTML-Code</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Dropper</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Opens the colour chooser with the custom colours</source>
        <translation>Öffnet die Farbauswahl mit den eigenen Farben</translation>
    </message>
    <message>
        <source>Text %1 on background %2, contrast %3:1</source>
        <translation>Text %1 auf Hintergrund %2, Kontrast %3:1</translation>
    </message>
    <message>
        <source>Web-safe palette</source>
        <translation>Websichere Palette</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Tauschen</translation>
    </message>
</context>
<context>
    <name>Vision</name>
    <message>
        <source>As it is</source>
        <translation>Wie sie ist</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>Colour Vision</source>
        <translation>Farbsehen</translation>
    </message>
    <message>
        <source>The pair as each reader sees it</source>
        <translation>Das Paar, wie jeder Leser es sieht</translation>
    </message>
    <message>
        <source>Simulated with the model of Machado, Oliveira and Fernandes (2009) at full severity: an approximation of what each reader sees.</source>
        <translation>Simuliert mit dem Modell von Machado, Oliveira und Fernandes (2009) bei voller Ausprägung: eine Annäherung an das, was jeder Leser sieht.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>After Fix, every row passes AA.</source>
        <translation>Nach „Lesbar“ erfüllt jede Zeile AA.</translation>
    </message>
    <message>
        <source>After Fix, still failing AA: %1.</source>
        <translation>Nach „Lesbar“ verfehlen AA noch: %1.</translation>
    </message>
</context>
</TS>
