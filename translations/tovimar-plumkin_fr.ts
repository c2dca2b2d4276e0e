<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>aucun écran où afficher le jeu (DISPLAY n'est pas défini)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>impossible d'ouvrir l'écran %1</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>Une erreur s'est produite dans le programme.</translation>
    </message>
    <message>
        <source>You can continue or close the program.</source>
        <translation>Vous pouvez continuer ou fermer le programme.</translation>
    </message>
    <message>
        <source>You can continue or close the program. A report was saved to %1.</source>
        <translation>Vous pouvez continuer ou fermer le programme. Un rapport a été enregistré dans %1.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Clique sur le bleu.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Clique sur le noir.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Clique sur le jaune.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Clique sur le vert.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Clique sur le blanc.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Clique sur le rouge.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Clique sur la note Mi.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Clique sur la note Fa.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Clique sur la note Sol.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Clique sur la note La.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Clique sur la note Si.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Clique sur la note Do.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Clique sur la note Re.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Clique sur le triangle.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Clique sur le rond.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Clique sur le carré.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Clique sur le jaune.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Tout mélanger.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Couleurs : toutes</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Clique sur le noir.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Tout mélanger.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Couleurs : noir-blanc</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Clique sur le bleu.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Tout mélanger.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Couleurs : bleu-rouge-jaune</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formes</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Avec l'aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Niveau   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Niveau   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Niveau   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Niveau   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>Quitter Tovimar Plumkin ?</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_EFGABCD</name>
    <message>
        <source>Click the F note.</source>
        <translation>Clique sur la note Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Music: E-F-G-A-B-C-D</source>
        <translation>Musique : Mi-Fa-Sol-La-Si-Do-Re</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Clique sur la note Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Music: F-A-C</source>
        <translation>Musique : Fa-La-Do</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Clique sur la note Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Music: F-C</source>
        <translation>Musique : Fa-Do</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Clique sur la note Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Music: F-G-A-B-C</source>
        <translation>Musique : Fa-Sol-La-Si-Do</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>Terminé</translation>
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
        <translation>Réglages pour les parents</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Jouer en plein écran   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Demander avant de quitter</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Voix et applaudissements</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Couper tous les sons</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin : réglages pour les parents</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Clique sur le triangle.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Tout mélanger.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Formes : rond-triangle</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Clique sur le triangle.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Tout mélanger.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Formes : rond-triangle</translation>
    </message>
</context>
</TS>
