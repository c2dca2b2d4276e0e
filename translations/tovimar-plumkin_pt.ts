<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>ErrorReport</name>
    <message>
        <source>no display to show the game on (DISPLAY is not set)</source>
        <translation>não há tela para mostrar o jogo (DISPLAY não está definido)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>não é possível abrir a tela %1</translation>
    </message>
    <message>
        <source>An error occurred in the application.</source>
        <translation>Ocorreu um erro no programa.</translation>
    </message>
    <message>
        <source>You can continue or close the program.</source>
        <translation>Você pode continuar ou fechar o programa.</translation>
    </message>
    <message>
        <source>You can continue or close the program. A report was saved to %1.</source>
        <translation>Você pode continuar ou fechar o programa. Um relatório foi salvo em %1.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Clique no azul.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Clique no preto.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Clique no amarelo.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Clique no verde.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Clique no branco.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Clique no vermelho.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Clique na nota Mi.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Clique na nota Fa.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Clique na nota Sol.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Clique na nota La.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Clique na nota Si.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Clique na nota Do.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Clique na nota Re.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Clique no triângulo.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Clique no círculo.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Clique no quadrado.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Clique no amarelo.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Misturar</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Misturar tudo.</translation>
    </message>
    <message>
        <source>Colors: All</source>
        <translation>Cores: todas</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlackWhite</name>
    <message>
        <source>Click the black color.</source>
        <translation>Clique no preto.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Misturar</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Misturar tudo.</translation>
    </message>
    <message>
        <source>Colors: Black-White</source>
        <translation>Cores: preto-branco</translation>
    </message>
</context>
<context>
    <name>TfrmColors_BlueRedYellow</name>
    <message>
        <source>Click the blue color.</source>
        <translation>Clique no azul.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Misturar</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Misturar tudo.</translation>
    </message>
    <message>
        <source>Colors: Blue-Red-Yellow</source>
        <translation>Cores: azul-vermelho-amarelo</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Com ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Level   - 1 -</source>
        <translation>Nível   - 1 -</translation>
    </message>
    <message>
        <source>Level   - 2 -</source>
        <translation>Nível   - 2 -</translation>
    </message>
    <message>
        <source>Level   - 3 -</source>
        <translation>Nível   - 3 -</translation>
    </message>
    <message>
        <source>Level   - 4 -</source>
        <translation>Nível   - 4 -</translation>
    </message>
    <message>
        <source>Quit Tovimar Plumkin?</source>
        <translation>Sair do Tovimar Plumkin?</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_EFGABCD</name>
    <message>
        <source>Click the F note.</source>
        <translation>Clique na nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Music: E-F-G-A-B-C-D</source>
        <translation>Música: Mi-Fa-Sol-La-Si-Do-Re</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Clique na nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Music: F-A-C</source>
        <translation>Música: Fa-La-Do</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Clique na nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Music: F-C</source>
        <translation>Música: Fa-Do</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Clique na nota Fa.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Music: F-G-A-B-C</source>
        <translation>Música: Fa-Sol-La-Si-Do</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
        <translation>Terminar</translation>
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
        <translation>Opções para os pais</translation>
    </message>
    <message>
        <source>Play in full screen   (F11)</source>
        <translation>Jogar em tela cheia   (F11)</translation>
    </message>
    <message>
        <source>Ask before quitting</source>
        <translation>Perguntar antes de sair</translation>
    </message>
    <message>
        <source>Voices and applause</source>
        <translation>Vozes e aplausos</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Mute all sounds</source>
        <translation>Silenciar todos os sons</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Como o sistema</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: opções para os pais</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Clique no triângulo.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Misturar</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Misturar tudo.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Formas: círculo-triângulo</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangleSquare</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Clique no triângulo.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Misturar</translation>
    </message>
    <message>
        <source>Randomize color positions.</source>
        <translation>Misturar tudo.</translation>
    </message>
    <message>
        <source>Shapes: Circle-Triangle</source>
        <translation>Formas: círculo-triângulo</translation>
    </message>
</context>
</TS>
