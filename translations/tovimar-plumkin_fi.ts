<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>ei näyttöä, jolla peli näkyisi (DISPLAY-muuttujaa ei ole asetettu)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>näyttöä %1 ei voi avata</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>Ohjelmassa tapahtui virhe.</translation>
    </message>
    <message>
        <source>You can continue or close the program.</source>
        <translation>Voit jatkaa tai sulkea ohjelman.</translation>
    </message>
    <message>
        <source>You can continue or close the program. A report was saved to %1.</source>
        <translation>Voit jatkaa tai sulkea ohjelman. Raportti tallennettiin kansioon %1.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Jatka</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sulje</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Paina sinistä.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Paina mustaa.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Paina keltaista.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Paina vihreää.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Paina valkoista.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Paina punaista.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Paina E-nuottia.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Paina F-nuottia.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Paina G-nuottia.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Paina A-nuottia.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Paina H-nuottia.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Paina C-nuottia.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Paina D-nuottia.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Paina kolmiota.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Paina ympyrää.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Paina neliötä.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Paina keltaista.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Sekoita</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Sekoita paikat.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Värit: kaikki</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Paina mustaa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Sekoita</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Sekoita paikat.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Värit: musta-valkoinen</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Paina sinistä.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Sekoita</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Sekoita paikat.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Värit: sininen-punainen-keltainen</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Värit</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Muodot</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musiikki</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Vihjeet</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Taso   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Taso   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Taso   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Taso   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>Lopetetaanko Tovimar Plumkin?</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_EFGABCD</name>
    <message>
        <source>Click the F note.</source>
        <translation>Paina F-nuottia.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Music: E-F-G-A-B-C-D</source>
        <translation>Musiikki: E-F-G-A-H-C-D</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Paina F-nuottia.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Music: F-A-C</source>
        <translation>Musiikki: F-A-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Paina F-nuottia.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Music: F-C</source>
        <translation>Musiikki: F-C</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Paina F-nuottia.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Music: F-G-A-B-C</source>
        <translation>Musiikki: F-G-A-H-C</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Question</source>
        <translation>Kysymys</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
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
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Bravo</source>
        <translation>Hienoa</translation>
    </message>
</context>
<context>
    <name>TfrmSettings</name>
    <message>
        <source>Settings for Parents</source>
        <translation>Asetukset vanhemmille</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Pelaa koko näytöllä   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Kysy ennen lopettamista</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Puhe ja aplodit</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Kaikki äänet pois</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Kuten työpöytä</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: asetukset vanhemmille</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Paina kolmiota.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Sekoita</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Sekoita paikat.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Muodot: ympyrä-kolmio</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Paina kolmiota.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Kuuntele</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Sekoita</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Sekoita paikat.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Muodot: ympyrä-kolmio</translation>
    </message>
</context>
</TS>
