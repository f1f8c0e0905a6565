<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>Built on %Y-%b-%d %H:%M:%S</source>
        <translation>Compilado el %d/%m/%Y %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>tonik: not a CSS colour: &quot;%1&quot;
</source>
        <translation>tonik: no es un color CSS: «%1»
</translation>
    </message>
    <message>
        <source>tonik: TEXT takes a text colour, not a %1 declaration: &quot;%2&quot;
</source>
        <translation>tonik: TEXT toma un color de texto, no una declaración %1: «%2»
</translation>
    </message>
    <message>
        <source>Chooses the text and background colours of web text; its colours are kept in
~/.config/Kavon/tonik.conf.</source>
        <translation>Elige los colores de texto y de fondo de un texto web; sus colores se guardan en
~/.config/Kavon/tonik.conf.</translation>
    </message>
    <message>
        <source>Prints the WCAG 2 contrast of a TEXT colour on a BACKGROUND colour, each in any CSS colour syntax, and below 7:1 the text colour Fix would give; ends with status 0 when the pair passes AA, 1 when it does not, 2 for a colour it cannot read. Needs no display.</source>
        <translation>Muestra el contraste WCAG 2 de un color TEXT sobre un color BACKGROUND, cada uno en cualquier sintaxis de color CSS, y por debajo de 7:1 el color de texto que daría «Legible»; termina con estado 0 si el par cumple AA, 1 si no, 2 para un color ilegible. No necesita pantalla.</translation>
    </message>
    <message>
        <source>With --contrast: adds the contrast as readers with protanopia, deuteranopia, tritanopia and achromatopsia see the pair (simulated: Machado, Oliveira and Fernandes 2009), and ends with status 1 when any of them fails AA.</source>
        <translation>Con --contrast: añade el contraste como ven el par lectores con protanopía, deuteranopía, tritanopía y acromatopsia (simulado: Machado, Oliveira y Fernandes 2009), y termina con estado 1 si alguno no cumple AA.</translation>
    </message>
    <message>
        <source>With --contrast: the text colour.</source>
        <translation>Con --contrast: el color del texto.</translation>
    </message>
    <message>
        <source>With --contrast: the background colour.</source>
        <translation>Con --contrast: el color del fondo.</translation>
    </message>
    <message>
        <source>--contrast takes two colours.</source>
        <translation>--contrast toma dos colores.</translation>
    </message>
    <message>
        <source>--vision goes with --contrast.</source>
        <translation>--vision va con --contrast.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>tonik: no display to open a window on (neither X11 nor Wayland); tonik --contrast TEXT BACKGROUND works without one
</source>
        <translation>tonik: no hay pantalla donde abrir una ventana (ni X11 ni Wayland); tonik --contrast TEXT BACKGROUND funciona sin ella
</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>Fi&amp;x</source>
        <translation>&amp;Legible</translation>
    </message>
    <message>
        <source>Moves the edited colour to the nearest readable colour</source>
        <translation>Cambia el color editado al color legible más cercano</translation>
    </message>
    <message>
        <source>Contrast %1:1</source>
        <translation>Contraste %1:1</translation>
    </message>
    <message>
        <source>%1 large</source>
        <translation>%1 grande</translation>
    </message>
    <message>
        <source>Contrast %1 to 1.</source>
        <translation>Contraste %1 a 1.</translation>
    </message>
    <message>
        <source>Passes %1.</source>
        <translation>Cumple %1.</translation>
    </message>
    <message>
        <source>Fails %1.</source>
        <translation>No cumple %1.</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Pick</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source> &amp;Red</source>
        <translation> &amp;Rojo</translation>
    </message>
    <message>
        <source> &amp;Green</source>
        <translation> &amp;Verde</translation>
    </message>
    <message>
        <source> &amp;Blue</source>
        <translation> &amp;Azul</translation>
    </message>
    <message>
        <source>&amp;Front</source>
        <translation>&amp;Texto</translation>
    </message>
    <message>
        <source>Bac&amp;k</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>&amp;HTML Code</source>
        <translation>Código &amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Safe</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Std.</source>
        <translation>Est.</translation>
    </message>
    <message>
        <source>Pal</source>
        <translation>Pal</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>SAMPLE</source>
        <translation>MUESTRA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Dropper</name>
    <message>
        <source>Not a CSS colour: &quot;%1&quot;</source>
        <translation>No es un color CSS: «%1»</translation>
    </message>
    <message>
        <source>Picking from the whole screen needs the desktop portal (xdg-desktop-portal)</source>
        <translation>Elegir en toda la pantalla requiere el portal del escritorio (xdg-desktop-portal)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;About Tonik...</source>
        <translation>&amp;Acerca de Tonik...</translation>
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
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Show Con&amp;trast</source>
        <translation>Mostrar con&amp;traste</translation>
    </message>
    <message>
        <source>Copy as CS&amp;S</source>
        <translation>Copiar como CS&amp;S</translation>
    </message>
    <message>
        <source>Cop&amp;y As</source>
        <translation>Cop&amp;iar como</translation>
    </message>
    <message>
        <source>&amp;Paste Colour</source>
        <translation>&amp;Pegar color</translation>
    </message>
    <message>
        <source>Colour &amp;Vision</source>
        <translation>&amp;Visión del color</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>HTML Code</source>
        <translation>Código HTML</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Dropper</source>
        <translation>Cuentagotas</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Opens the colour chooser with the custom colours</source>
        <translation>Abre el selector de color con los colores personalizados</translation>
    </message>
    <message>
        <source>Text %1 on background %2, contrast %3:1</source>
        <translation>Texto %1 sobre fondo %2, contraste %3:1</translation>
    </message>
    <message>
        <source>Web-safe palette</source>
        <translation>Paleta web segura</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Intercambiar</translation>
    </message>
</context>
<context>
    <name>Vision</name>
    <message>
        <source>As it is</source>
        <translation>Tal cual</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopía</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopía</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopía</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Acromatopsia</translation>
    </message>
    <message>
        <source>Colour Vision</source>
        <translation>Visión del color</translation>
    </message>
    <message>
        <source>The pair as each reader sees it</source>
        <translation>El par como lo ve cada lector</translation>
    </message>
    <message>
        <source>Simulated with the model of Machado, Oliveira and Fernandes (2009) at full severity: an approximation of what each reader sees.</source>
        <translation>Simulado con el modelo de Machado, Oliveira y Fernandes (2009) con severidad total: una aproximación de lo que ve cada lector.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>After Fix, every row passes AA.</source>
        <translation>Tras «Legible», todas las filas cumplen AA.</translation>
    </message>
    <message>
        <source>After Fix, still failing AA: %1.</source>
        <translation>Tras «Legible», aún no cumplen AA: %1.</translation>
    </message>
</context>
</TS>
