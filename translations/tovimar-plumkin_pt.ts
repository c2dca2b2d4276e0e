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
        <source>You can continue, restart or close the program.</source>
        <translation>Você pode continuar, reiniciar ou fechar o programa.</translation>
    </message>
    <message>
        <source>You can continue, restart or close the program. A report was saved to %1.</source>
        <translation>Você pode continuar, reiniciar ou fechar o programa. Um relatório foi salvo em %1.</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar &amp;detalhes...</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>Enviar por &amp;e-mail</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Ocultar &amp;detalhes...</translation>
    </message>
</context>
<context>
    <name>TActivityForm</name>
    <message>
        <source>Click the blue Color.</source>
        <translation>Toca na cor azul.</translation>
    </message>
    <message>
        <source>Click the black Color.</source>
        <translation>Toca na cor preta.</translation>
    </message>
    <message>
        <source>Click the yellow Color.</source>
        <translation>Toca na cor amarela.</translation>
    </message>
    <message>
        <source>Click the green Color.</source>
        <translation>Toca na cor verde.</translation>
    </message>
    <message>
        <source>Click the white Color.</source>
        <translation>Toca na cor branca.</translation>
    </message>
    <message>
        <source>Click the red Color.</source>
        <translation>Toca na cor vermelha.</translation>
    </message>
    <message>
        <source>Click the E note.</source>
        <translation>Toca na nota Mi.</translation>
    </message>
    <message>
        <source>Click the F note.</source>
        <translation>Toca na nota Fá.</translation>
    </message>
    <message>
        <source>Click the G note.</source>
        <translation>Toca na nota Sol.</translation>
    </message>
    <message>
        <source>Click the A note.</source>
        <translation>Toca na nota Lá.</translation>
    </message>
    <message>
        <source>Click the B note.</source>
        <translation>Toca na nota Si.</translation>
    </message>
    <message>
        <source>Click the C note.</source>
        <translation>Toca na nota Dó.</translation>
    </message>
    <message>
        <source>Click the D note.</source>
        <translation>Toca na nota Ré.</translation>
    </message>
    <message>
        <source>Click the triangle.</source>
        <translation>Toca no triângulo.</translation>
    </message>
    <message>
        <source>Click the circle.</source>
        <translation>Toca no círculo.</translation>
    </message>
    <message>
        <source>Click the square.</source>
        <translation>Toca no quadrado.</translation>
    </message>
</context>
<context>
    <name>TVoiceRecorder</name>
    <message>
        <source>Nothing was heard. Check that the microphone is on and not muted, then speak close to it.</source>
        <translation>Nada foi ouvido. Verifique se o microfone está ligado e não está mudo, e fale perto dele.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>No microphone was found. Plug one in, or allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Nenhum microfone foi encontrado. Conecte um ou permita que o jogo o use nas configurações de som do computador e tente de novo.</translation>
    </message>
    <message>
        <source>The microphone could not be used (%1). Allow the game to use it in the computer's sound settings, then try again.</source>
        <translation>Não foi possível usar o microfone (%1). Permita que o jogo o use nas configurações de som do computador e tente de novo.</translation>
    </message>
</context>
<context>
    <name>TfrmColors_All</name>
    <message>
        <source>Click the yellow color.</source>
        <translation>Toca na cor amarela.</translation>
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
        <translation>Toca na cor preta.</translation>
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
        <translation>Toca na cor azul.</translation>
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
        <translation>Toca na nota Fá.</translation>
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
        <translation>Música: Mi-Fá-Sol-Lá-Si-Dó-Ré</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FAC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Toca na nota Fá.</translation>
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
        <translation>Música: Fá-Lá-Dó</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Toca na nota Fá.</translation>
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
        <translation>Música: Fá-Dó</translation>
    </message>
</context>
<context>
    <name>TfrmMusic_FGABC</name>
    <message>
        <source>Click the F note.</source>
        <translation>Toca na nota Fá.</translation>
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
        <translation>Música: Fá-Sol-Lá-Si-Dó</translation>
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
        <source>Record the voice</source>
        <translation>Gravar a voz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Tovimar Plumkin: Settings for Parents</source>
        <translation>Tovimar Plumkin: opções para os pais</translation>
    </message>
    <message>
        <source>Voice: recorded for this game</source>
        <translation>Voz: gravada para este jogo</translation>
    </message>
    <message>
        <source>Voice: computer voice</source>
        <translation>Voz: uma voz sintética</translation>
    </message>
</context>
<context>
    <name>TfrmShapes_CircleTriangle</name>
    <message>
        <source>Click the triangle.</source>
        <translation>Toca no triângulo.</translation>
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
        <translation>Toca no triângulo.</translation>
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
    <name>TfrmVoices</name>
    <message>
        <source>Tovimar Plumkin: Record the Voice</source>
        <translation>Tovimar Plumkin: gravar a voz</translation>
    </message>
    <message>
        <source>Record the voice: %1</source>
        <translation>Gravar a voz: %1</translation>
    </message>
    <message>
        <source>the game's voice was recorded for this game</source>
        <translation>a voz do jogo foi gravada para este jogo</translation>
    </message>
    <message>
        <source>the game's voice is a computer voice</source>
        <translation>a voz do jogo é uma voz sintética</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>your voice</source>
        <translation>sua voz</translation>
    </message>
    <message>
        <source>Listening... say "%1", then press Stop.</source>
        <translation>Ouvindo... Diga “%1” e depois clique em Parar.</translation>
    </message>
    <message>
        <source>Kept. The game now says "%1" in your voice.</source>
        <translation>Salvo. Agora o jogo diz “%1” com a sua voz.</translation>
    </message>
    <message>
        <source>What was there is kept.</source>
        <translation>A gravação anterior foi mantida.</translation>
    </message>
    <message>
        <source>Removed. The game's own voice says "%1" again.</source>
        <translation>Removido. O jogo volta a dizer “%1” com a própria voz.</translation>
    </message>
</context>
</TS>
