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
        <source>You can continue, restart or close the program.</source>
        <translation>Vous pouvez continuer, redémarrer ou fermer le programme.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program. A report was saved to %1.</source>
        <translation>Vous pouvez continuer, redémarrer ou fermer le programme. Un rapport a été enregistré dans %1.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Afficher les &amp;détails...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;Envoyer par e-mail</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Redémarrer</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Masquer les &amp;détails...</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Clique sur la couleur bleue.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Clique sur la couleur noire.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Clique sur la couleur jaune.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Clique sur la couleur verte.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Clique sur la couleur blanche.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Clique sur la couleur rouge.</translation>
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
        <translation>Clique sur la note Ré.</translation>
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
    <name>TVoiceRecorder</name>
    <message>
        <source>Nothing was heard. Check that the microphone is on and not muted, then speak close to it.</source>
        <translation>Aucun son n'a été entendu. Vérifiez que le micro est allumé et n'est pas coupé, puis parlez près de lui.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in, or allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Aucun micro n'a été trouvé. Branchez-en un, ou autorisez le jeu à l'utiliser dans les réglages du son de l'ordinateur, puis réessayez.</translation>
    </message>
    <message>
        <source>The microphone could not be used (%1). Allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Le micro n'a pas pu être utilisé (%1). Autorisez le jeu à l'utiliser dans les réglages du son de l'ordinateur, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Clique sur la couleur jaune.</translation>
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
        <translation>Clique sur la couleur noire.</translation>
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
        <translation>Clique sur la couleur bleue.</translation>
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
        <translation>Musique : Mi-Fa-Sol-La-Si-Do-Ré</translation>
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
        <source>Record the voice</source>
        <translation>Enregistrer la voix</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin : réglages pour les parents</translation>
    </message>
    <message>
        <source>Voice: recorded for this game</source>
        <translation>Voix : enregistrée pour ce jeu</translation>
    </message>
    <message>
        <source>Voice: computer voice</source>
        <translation>Voix : une voix de synthèse</translation>
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
<context>
    <name>TfrmVoices</name>
    <message>
        <source>Tovimar Plumkin: Record the Voice</source>
        <translation>Tovimar Plumkin : enregistrer la voix</translation>
    </message>
    <message>
        <source>Record the voice: %1</source>
        <translation>Enregistrer la voix : %1</translation>
    </message>
    <message>
        <source>the game's voice was recorded for this game</source>
        <translation>la voix du jeu a été enregistrée pour ce jeu</translation>
    </message>
    <message>
        <source>the game's voice is a computer voice</source>
        <translation>la voix du jeu est une voix de synthèse</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>your voice</source>
        <translation>votre voix</translation>
    </message>
    <message>
        <source>Listening... say "%1", then press Stop.</source>
        <translation>J'écoute... Dites « %1 », puis appuyez sur Arrêter.</translation>
    </message>
    <message>
        <source>Kept. The game now says "%1" in your voice.</source>
        <translation>C'est enregistré. Le jeu dit maintenant « %1 » avec votre voix.</translation>
    </message>
    <message>
        <source>What was there is kept.</source>
        <translation>L'enregistrement précédent est conservé.</translation>
    </message>
    <message>
        <source>Removed. The game's own voice says "%1" again.</source>
        <translation>Supprimé. Le jeu dit de nouveau « %1 » avec sa propre voix.</translation>
    </message>
</context>
</TS>
