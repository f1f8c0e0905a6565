<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>About </source>
        <translation>À propos de </translation>
    </message>
    <message>
        <source>Built on %Y-%b-%d %H:%M:%S</source>
        <translation>Compilé le %d/%m/%Y %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>tonik: not a CSS colour: &quot;%1&quot;
</source>
        <translation>tonik : pas une couleur CSS : « %1 »
</translation>
    </message>
    <message>
        <source>tonik: TEXT takes a text colour, not a %1 declaration: &quot;%2&quot;
</source>
        <translation>tonik : TEXT prend une couleur de texte, pas une déclaration %1 : « %2 »
</translation>
    </message>
    <message>
        <source>Chooses the text and background colours of web text; its colours are kept in
~/.config/Kavon/tonik.conf.</source>
        <translation>Choisit les couleurs du texte et du fond d’un texte web ; ses couleurs sont gardées dans
~/.config/Kavon/tonik.conf.</translation>
    </message>
    <message>
        <source>Prints the WCAG 2 contrast of a TEXT colour on a BACKGROUND colour, each in any CSS colour syntax, and below 7:1 the text colour Fix would give; ends with status 0 when the pair passes AA, 1 when it does not, 2 for a colour it cannot read. Needs no display.</source>
        <translation>Affiche le contraste WCAG 2 d’une couleur TEXT sur une couleur BACKGROUND, chacune dans toute syntaxe de couleur CSS, et sous 7:1 la couleur de texte que donnerait « Lisible » ; se termine avec le statut 0 si la paire est conforme AA, 1 sinon, 2 pour une couleur illisible. Sans écran.</translation>
    </message>
    <message>
        <source>With --contrast: adds the contrast as readers with protanopia, deuteranopia, tritanopia and achromatopsia see the pair (simulated: Machado, Oliveira and Fernandes 2009), and ends with status 1 when any of them fails AA.</source>
        <translation>Avec --contrast : ajoute le contraste tel que le voient des lecteurs atteints de protanopie, deutéranopie, tritanopie et achromatopsie (simulé : Machado, Oliveira et Fernandes 2009), et se termine avec le statut 1 si l’un d’eux n’est pas conforme AA.</translation>
    </message>
    <message>
        <source>With --contrast: the text colour.</source>
        <translation>Avec --contrast : la couleur du texte.</translation>
    </message>
    <message>
        <source>With --contrast: the background colour.</source>
        <translation>Avec --contrast : la couleur du fond.</translation>
    </message>
    <message>
        <source>--contrast takes two colours.</source>
        <translation>--contrast prend deux couleurs.</translation>
    </message>
    <message>
        <source>--vision goes with --contrast.</source>
        <translation>--vision va avec --contrast.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>tonik: no display to open a window on (neither X11 nor Wayland); tonik --contrast TEXT BACKGROUND works without one
</source>
        <translation>tonik : aucun écran où ouvrir une fenêtre (ni X11 ni Wayland) ; tonik --contrast TEXT BACKGROUND fonctionne sans
</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>Fi&amp;x</source>
        <translation>&amp;Lisible</translation>
    </message>
    <message>
        <source>Moves the edited colour to the nearest readable colour</source>
        <translation>Change la couleur modifiée en la couleur lisible la plus proche</translation>
    </message>
    <message>
        <source>Contrast %1:1</source>
        <translation>Contraste %1:1</translation>
    </message>
    <message>
        <source>%1 large</source>
        <translation>%1 grand</translation>
    </message>
    <message>
        <source>Contrast %1 to 1.</source>
        <translation>Contraste %1 pour 1.</translation>
    </message>
    <message>
        <source>Passes %1.</source>
        <translation>Conforme %1.</translation>
    </message>
    <message>
        <source>Fails %1.</source>
        <translation>Non conforme %1.</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Pick</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source> &amp;Red</source>
        <translation> &amp;Rouge</translation>
    </message>
    <message>
        <source> &amp;Green</source>
        <translation> &amp;Vert</translation>
    </message>
    <message>
        <source> &amp;Blue</source>
        <translation> &amp;Bleu</translation>
    </message>
    <message>
        <source>&amp;Front</source>
        <translation>&amp;Texte</translation>
    </message>
    <message>
        <source>Bac&amp;k</source>
        <translation>&amp;Fond</translation>
    </message>
    <message>
        <source>&amp;HTML Code</source>
        <translation>Code &amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Safe</source>
        <translation>&amp;Sûr</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
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
        <translation>Résultat</translation>
    </message>
    <message>
        <source>SAMPLE</source>
        <translation>EXEMPLE</translation>
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
        <translation>Pas une couleur CSS : « %1 »</translation>
    </message>
    <message>
        <source>Picking from the whole screen needs the desktop portal (xdg-desktop-portal)</source>
        <translation>Choisir sur tout l’écran nécessite le portail du bureau (xdg-desktop-portal)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;About Tonik...</source>
        <translation>À pr&amp;opos de Tonik...</translation>
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
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Show Con&amp;trast</source>
        <translation>Afficher le &amp;contraste</translation>
    </message>
    <message>
        <source>Copy as CS&amp;S</source>
        <translation>Copier en CS&amp;S</translation>
    </message>
    <message>
        <source>Cop&amp;y As</source>
        <translation>Co&amp;pier comme</translation>
    </message>
    <message>
        <source>&amp;Paste Colour</source>
        <translation>Co&amp;ller la couleur</translation>
    </message>
    <message>
        <source>Colour &amp;Vision</source>
        <translation>&amp;Vision des couleurs</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>HTML Code</source>
        <translation>Code HTML</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Dropper</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Opens the colour chooser with the custom colours</source>
        <translation>Ouvre le sélecteur de couleur avec les couleurs personnalisées</translation>
    </message>
    <message>
        <source>Text %1 on background %2, contrast %3:1</source>
        <translation>Texte %1 sur fond %2, contraste %3:1</translation>
    </message>
    <message>
        <source>Web-safe palette</source>
        <translation>Palette des couleurs sûres du web</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Échanger</translation>
    </message>
</context>
<context>
    <name>Vision</name>
    <message>
        <source>As it is</source>
        <translation>Tel quel</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deutéranopie</translation>
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
        <translation>Vision des couleurs</translation>
    </message>
    <message>
        <source>The pair as each reader sees it</source>
        <translation>La paire telle que chaque lecteur la voit</translation>
    </message>
    <message>
        <source>Simulated with the model of Machado, Oliveira and Fernandes (2009) at full severity: an approximation of what each reader sees.</source>
        <translation>Simulé avec le modèle de Machado, Oliveira et Fernandes (2009) à sévérité maximale : une approximation de ce que voit chaque lecteur.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>After Fix, every row passes AA.</source>
        <translation>Après « Lisible », chaque ligne est conforme AA.</translation>
    </message>
    <message>
        <source>After Fix, still failing AA: %1.</source>
        <translation>Après « Lisible », encore non conformes AA : %1.</translation>
    </message>
</context>
</TS>
