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
        <source>You can continue, restart or close the program.</source>
        <translation>Můžete pokračovat, program spustit znovu, nebo ho zavřít.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program. A report was saved to %1.</source>
        <translation>Můžete pokračovat, program spustit znovu, nebo ho zavřít. Zpráva byla uložena do %1.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Zobrazit po&amp;drobnosti...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Poslat &amp;e-mailem</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Spustit znovu</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Pokračovat</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Skrýt po&amp;drobnosti...</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Klikni na modrou barvu.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Klikni na černou barvu.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Klikni na žlutou barvu.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Klikni na zelenou barvu.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Klikni na bílou barvu.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Klikni na červenou barvu.</translation>
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
        <translation>Klikni na kruh.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Klikni na čtverec.</translation>
    </message>
</context>
<context>
    <name>TVoiceRecorder</name>
    <message>
        <source>Nothing was heard. Check that the microphone is on and not muted, then speak close to it.</source>
        <translation>Nebylo nic slyšet. Zkontrolujte, že je mikrofon zapnutý a není ztlumený, a mluvte blízko něj.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Složku %1 nelze vytvořit.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in, or allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Nebyl nalezen žádný mikrofon. Připojte ho, nebo hře povolte jeho použití v nastavení zvuku počítače, a zkuste to znovu.</translation>
    </message>
    <message>
        <source>The microphone could not be used (%1). Allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Mikrofon nešel použít (%1). Povolte hře jeho použití v nastavení zvuku počítače a zkuste to znovu.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Klikni na žlutou barvu.</translation>
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
        <translation>Klikni na černou barvu.</translation>
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
        <translation>Klikni na modrou barvu.</translation>
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
        <source>Record the voice</source>
        <translation>Nahrát hlas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: nastavení pro rodiče</translation>
    </message>
    <message>
        <source>Voice: recorded for this game</source>
        <translation>Hlas: nahraný pro tuto hru</translation>
    </message>
    <message>
        <source>Voice: computer voice</source>
        <translation>Hlas: počítačový hlas</translation>
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
<context>
    <name>TfrmVoices</name>
    <message>
        <source>Tovimar Plumkin: Record the Voice</source>
        <translation>Tovimar Plumkin: nahrát hlas</translation>
    </message>
    <message>
        <source>Record the voice: %1</source>
        <translation>Nahrát hlas: %1</translation>
    </message>
    <message>
        <source>the game's voice was recorded for this game</source>
        <translation>hlas hry byl nahrán přímo pro tuto hru</translation>
    </message>
    <message>
        <source>the game's voice is a computer voice</source>
        <translation>hlas hry je počítačový hlas</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nahrát</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Poslech</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>your voice</source>
        <translation>váš hlas</translation>
    </message>
    <message>
        <source>Listening... say "%1", then press Stop.</source>
        <translation>Poslouchám... Řekněte „%1“ a pak klikněte na Zastavit.</translation>
    </message>
    <message>
        <source>Kept. The game now says "%1" in your voice.</source>
        <translation>Uloženo. Hra teď říká „%1“ vaším hlasem.</translation>
    </message>
    <message>
        <source>What was there is kept.</source>
        <translation>Předchozí nahrávka zůstává zachována.</translation>
    </message>
    <message>
        <source>Removed. The game's own voice says "%1" again.</source>
        <translation>Odstraněno. Hra zase říká „%1“ svým vlastním hlasem.</translation>
    </message>
</context>
</TS>
