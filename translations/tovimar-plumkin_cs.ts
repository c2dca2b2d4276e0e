<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>není obrazovka, na které by se hra ukázala (DISPLAY není nastaveno)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>obrazovku %1 nelze otevřít</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>V programu došlo k chybě.</translation>
    </message>
    <message>
        <source>You can continue or close the program.</source>
        <translation>Můžete pokračovat, nebo program zavřít.</translation>
    </message>
    <message>
        <source>You can continue or close the program. A report was saved to %1.</source>
        <translation>Můžete pokračovat, nebo program zavřít. Zpráva byla uložena do %1.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Pokračovat</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Zavřít</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Klikni na modrou.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Klikni na černou.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Klikni na žlutou.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Klikni na zelenou.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Klikni na bílou.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Klikni na červenou.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Klikni na notu E.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Klikni na notu F.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Klikni na notu G.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Klikni na notu A.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Klikni na notu H.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Klikni na notu C.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Klikni na notu D.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Klikni na trojúhelník.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Klikni na kolečko.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Klikni na čtverec.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Klikni na žlutou.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Poslech</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Zamíchat</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Všechno zamíchat.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Barvy: všechny</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Klikni na černou.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Poslech</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Zamíchat</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Všechno zamíchat.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Barvy: černá-bílá</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Klikni na modrou.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Poslech</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Zamíchat</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Všechno zamíchat.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Barvy: modrá-červená-žlutá</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Barvy</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Tvary</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Hudba</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Úroveň   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Úroveň   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Úroveň   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Úroveň   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>Ukončit Tovimar Plumkin?</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_EFGABCD</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klikni na notu F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Poslech</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Music: E-F-G-A-B-C-D</source>
        <translation>Hudba: E-F-G-A-H-C-D</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klikni na notu F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Poslech</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Music: F-A-C</source>
        <translation>Hudba: F-A-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klikni na notu F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Poslech</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Music: F-C</source>
        <translation>Hudba: F-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Klikni na notu F.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Poslech</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Music: F-G-A-B-C</source>
        <translation>Hudba: F-G-A-H-C</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Question</source>
        <translation>Otázka</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Tovimar Plumkin</source>
        <translation>Tovimar Plumkin</translation>
    </message>
</context>
<context>
    <name>TfrmReward</name>
    <message>
        <source>Finish</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Bravo</source>
        <translation>Bravo</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Settings for Parents</source>
        <translation>Nastavení pro rodiče</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Hrát na celou obrazovku   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Před ukončením se zeptat</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Hlasy a potlesk</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Klavír</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Vypnout všechny zvuky</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Podle systému</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: nastavení pro rodiče</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Klikni na trojúhelník.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Poslech</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Zamíchat</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Všechno zamíchat.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Tvary: kolečko-trojúhelník</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Klikni na trojúhelník.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Poslech</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Zamíchat</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Všechno zamíchat.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Tvary: kolečko-trojúhelník</translation>
    </message>
</context>
</TS>
