<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>done</source>
        <extracomment>Spoken after a build stage&apos;s name (&quot;Compile the game: done&quot;): the stage is over.</extracomment>
        <translation>concluído</translation>
    </message>
    <message>
        <source>in progress</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage is running now.</extracomment>
        <translation>em andamento</translation>
    </message>
    <message>
        <source>not started</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage has not begun yet.</extracomment>
        <translation>não iniciado</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Read aloud as one line: %1 is what a row or key names, %2 its state or meaning (&quot;Python 3: Ready&quot;, &quot;Compile the game: done&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>The ⌘ key as a screen reader names it, in the system&apos;s words. &quot;Command comma&quot; starts with the same word.</extracomment>
        <translation>Command</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>The ⌥ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>Option</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The ⇧ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Read for the dash of a range of keys (&quot;1–4&quot;: &quot;1 to 4&quot;); keep the spaces.</extracomment>
        <translation> a </translation>
    </message>
    <message>
        <source>Command comma</source>
        <extracomment>The key combination ⌘ , (the settings shortcut) read aloud.</extracomment>
        <translation>Command vírgula</translation>
    </message>
</context>
<context>
    <name>BuildAdvice</name>
    <message>
        <source>Something went wrong while building the app.</source>
        <translation>Algo deu errado ao compilar o app.</translation>
    </message>
    <message>
        <source>That installer doesn&apos;t contain the SimCity 3000 Unlimited game files. Use the GOG offline backup installer for SimCity 3000 Unlimited.</source>
        <translation>Esse instalador não contém os arquivos do SimCity 3000 Unlimited. Use o instalador offline de backup do GOG para o SimCity 3000 Unlimited.</translation>
    </message>
    <message>
        <source>The game files in that installer aren&apos;t version 2.0.949(a), which is the release this project can build. Update it from GOG and try again.</source>
        <translation>Os arquivos do jogo nesse instalador não são da versão 2.0.949(a), a única que este projeto compila. Atualize-o no GOG e tente de novo.</translation>
    </message>
    <message>
        <source>The Xcode Command Line Tools got out of date or incomplete. Run xcode-select --install, then reopen this installer.</source>
        <translation>As Xcode Command Line Tools estão desatualizadas ou incompletas. Execute xcode-select --install e reabra este instalador.</translation>
    </message>
    <message>
        <source>Your disk is full. Free about %1, then build again.</source>
        <translation>Seu disco está cheio. Libere cerca de %1 e compile de novo.</translation>
    </message>
</context>
<context>
    <name>BuildNotification</name>
    <message>
        <source>The build finished. Click to open the installer.</source>
        <translation>A compilação terminou. Clique para abrir o instalador.</translation>
    </message>
    <message>
        <source>Click to see what went wrong.</source>
        <translation>Clique para ver o que deu errado.</translation>
    </message>
    <message>
        <source>The build was cancelled</source>
        <translation>A compilação foi cancelada</translation>
    </message>
    <message>
        <source>Click to open the installer.</source>
        <translation>Clique para abrir o instalador.</translation>
    </message>
    <message>
        <source>Velmora 3000 is ready</source>
        <translation>O Velmora 3000 está pronto</translation>
    </message>
    <message>
        <source>The build didn&apos;t finish</source>
        <translation>A compilação falhou</translation>
    </message>
</context>
<context>
    <name>BuildStages</name>
    <message>
        <source>Check game installer</source>
        <translation>Verificar instalador</translation>
    </message>
    <message>
        <source>Unpack game files</source>
        <translation>Extrair arquivos</translation>
    </message>
    <message>
        <source>Prepare native libraries</source>
        <translation>Preparar bibliotecas</translation>
    </message>
    <message>
        <source>Compile the game</source>
        <translation>Compilar o jogo</translation>
    </message>
    <message>
        <source>Package the app</source>
        <translation>Empacotar o app</translation>
    </message>
    <message>
        <source>Sign for this Mac</source>
        <translation>Assinar neste Mac</translation>
    </message>
    <message>
        <source>Checking your game installer and the build tools.</source>
        <translation>Verificando o instalador do jogo e as ferramentas.</translation>
    </message>
    <message>
        <source>Unpacking the game files from your GOG installer.</source>
        <translation>Extraindo os arquivos do jogo do seu instalador GOG.</translation>
    </message>
    <message>
        <source>Preparing the native libraries and lifted code.</source>
        <translation>Preparando as bibliotecas nativas e o código traduzido.</translation>
    </message>
    <message>
        <source>Compiling the native Mac app. This usually takes about 3 minutes.</source>
        <translation>Compilando o app nativo para Mac. Costuma levar uns 3&#xa0;minutos.</translation>
    </message>
    <message>
        <source>Packaging the app and its resources.</source>
        <translation>Empacotando o app e seus recursos.</translation>
    </message>
    <message>
        <source>Signing the app for this Mac.</source>
        <translation>Assinando o app para este Mac.</translation>
    </message>
</context>
<context>
    <name>BuildTimings</name>
    <message>
        <source>less than a minute left</source>
        <translation>falta menos de um minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>falta cerca de %n&#xa0;min</numerusform>
            <numerusform>faltam cerca de %n&#xa0;min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Instalador do Velmora 3000</translation>
    </message>
    <message>
        <source>Build Velmora 3000 from your own GOG installer</source>
        <translation>Compile o Velmora 3000 com o seu próprio instalador GOG</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>Only %1 free on this disk; the build needs about %2. Free some space, then choose the installer again.</source>
        <translation>Só há %1 livres neste disco; a compilação precisa de cerca de %2. Libere espaço e escolha o instalador de novo.</translation>
    </message>
    <message>
        <source>Only %1 free on that disk; the app needs about %2. Free some space, then choose Move to Applications again.</source>
        <translation>Só há %1 livres nesse disco; o app precisa de cerca de %2. Libere espaço e escolha Mover para Aplicativos de novo.</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Instalador do Velmora 3000</translation>
    </message>
    <message>
        <source>Windows executable</source>
        <translation>Executável do Windows</translation>
    </message>
    <message>
        <source>Show in Finder asks Finder to put an alias of Applications beside the app, so you can drag the app into place.</source>
        <translation>Mostrar no Finder pede ao Finder que crie um atalho da pasta Aplicativos ao lado do app, para você arrastar o app até o lugar certo.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on your Desktop to build the game from it.</source>
        <translation>O instalador lê o instalador GOG que você escolher na sua Mesa para criar o jogo a partir dele.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Documents folder to build the game from it.</source>
        <translation>O instalador lê o instalador GOG que você escolher na sua pasta Documentos para criar o jogo a partir dele.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Downloads folder to build the game from it.</source>
        <translation>O instalador lê o instalador GOG que você escolher na sua pasta Downloads para criar o jogo a partir dele.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on an external drive to build the game from it.</source>
        <translation>O instalador lê o instalador GOG que você escolher em um disco externo para criar o jogo a partir dele.</translation>
    </message>
</context>
<context>
    <name>InstallerValidation</name>
    <message>
        <source>That file can&apos;t be read. Is it still on this Mac?</source>
        <translation>Não foi possível ler esse arquivo. Ele ainda está neste Mac?</translation>
    </message>
    <message>
        <source>That file is too small to be the GOG installer (it should be about 560 MB).</source>
        <translation>Esse arquivo é pequeno demais para ser o instalador GOG (deveria ter cerca de 560&#xa0;MB).</translation>
    </message>
    <message>
        <source>That isn&apos;t a Windows installer (.exe) file.</source>
        <translation>Esse arquivo não é um instalador do Windows (.exe).</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like the GOG SimCity 3000 Unlimited installer. Look for setup_simcity_3000_unlimited_2.0.949(a)….exe in your GOG library.</source>
        <translation>Isso não parece o instalador GOG do SimCity 3000 Unlimited. Procure setup_simcity_3000_unlimited_2.0.949(a)….exe na sua biblioteca GOG.</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>A verificação foi interrompida.</translation>
    </message>
    <message>
        <source>macOS doesn&apos;t let the installer read that file. Allow it in System Settings → Privacy &amp; Security → Files and Folders.</source>
        <translation>O macOS não deixa o instalador ler esse arquivo. Permita em Ajustes do Sistema → Privacidade e Segurança → Arquivos e Pastas.</translation>
    </message>
    <message>
        <source>GOG 2.0.949(a) installer · %1 · ready to build</source>
        <translation>Instalador GOG 2.0.949(a) · %1 · pronto para compilar</translation>
    </message>
    <message>
        <source>%1 · this build is not the known GOG 2.0.949(a) one, so the game files are checked after extraction</source>
        <translation>%1 · esta versão não é a GOG 2.0.949(a) conhecida, então os arquivos do jogo serão verificados após a extração</translation>
    </message>
</context>
<context>
    <name>Installing</name>
    <message>
        <source>Copying the app failed. Is the disk full?</source>
        <translation>Falha ao copiar o app. O disco está cheio?</translation>
    </message>
    <message>
        <source>The app was copied but couldn&apos;t be put in place.</source>
        <translation>O app foi copiado, mas não pôde ser posto no lugar.</translation>
    </message>
    <message>
        <source>%1 already exists and wasn&apos;t made by this installer. Move or rename it first.</source>
        <translation>%1 já existe e não foi criado por este instalador. Mova ou renomeie o item antes.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be replaced. Check its permissions.</source>
        <translation>Não foi possível substituir %1. Verifique as permissões.</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is read-only.</source>
        <translation>Falha ao copiar o app: %1 é somente leitura.</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is not a folder.</source>
        <translation>Falha ao copiar o app: %1 não é uma pasta.</translation>
    </message>
</context>
<context>
    <name>MAC_APPLICATION_MENU</name>
    <message>
        <source>About %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: opens the app&apos;s About panel; %1 is the app&apos;s name.</extracomment>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Services</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: the submenu of the system&apos;s services.</extracomment>
        <translation>Serviços</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides the app&apos;s windows (Command-H); %1 is the app&apos;s name.</extracomment>
        <translation>Ocultar %1</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides every other app (Option-Command-H).</extracomment>
        <translation>Ocultar Outros</translation>
    </message>
    <message>
        <source>Show All</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: shows the apps that were hidden.</extracomment>
        <translation>Mostrar Tudo</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: quits the app (Command-Q); %1 is the app&apos;s name.</extracomment>
        <translation>Encerrar %1</translation>
    </message>
</context>
<context>
    <name>NearMiss</name>
    <message>
        <source>That download hasn&apos;t finished yet. Wait for it, then try again.</source>
        <translation>Esse download ainda não terminou. Aguarde e tente de novo.</translation>
    </message>
    <message>
        <source>That&apos;s a Mac installer. This needs the Windows offline installer from GOG.</source>
        <translation>Esse é um instalador para Mac. É preciso o instalador offline para Windows do GOG.</translation>
    </message>
    <message>
        <source>That&apos;s an archive. Open it and use the installer (.exe) inside.</source>
        <translation>Esse é um arquivo compactado. Abra-o e use o instalador (.exe) que está nele.</translation>
    </message>
    <message>
        <source>That&apos;s a data part of the installer. Use the .exe beside it.</source>
        <translation>Esse é um arquivo de dados do instalador. Use o .exe ao lado dele.</translation>
    </message>
</context>
<context>
    <name>PageParts</name>
    <message>
        <source>%1, needs attention</source>
        <extracomment>Read aloud after a checklist row whose state is not good; %1 is the row as read.</extracomment>
        <translation>%1, requer atenção</translation>
    </message>
</context>
<context>
    <name>Pipeline</name>
    <message>
        <source>The installer file changed after it was checked. Choose it again.</source>
        <translation>O arquivo do instalador mudou depois de verificado. Escolha-o novamente.</translation>
    </message>
    <message>
        <source>Another build is already running.</source>
        <translation>Outra compilação já está em andamento.</translation>
    </message>
    <message>
        <source>The installer bundle is damaged (no source snapshot inside).</source>
        <translation>O pacote do instalador está danificado (falta a cópia do código-fonte).</translation>
    </message>
    <message>
        <source>Could not unpack the build sources into Application Support.</source>
        <translation>Não foi possível extrair o código-fonte da compilação em Application Support.</translation>
    </message>
    <message>
        <source>The build sources are not prepared.</source>
        <translation>O código-fonte da compilação não está preparado.</translation>
    </message>
    <message>
        <source>Could not start the build.</source>
        <translation>Não foi possível iniciar a compilação.</translation>
    </message>
    <message>
        <source>Could not lock the folder %1 against another build.</source>
        <translation>Não foi possível bloquear a pasta %1 contra outra compilação.</translation>
    </message>
    <message>
        <source>Could not create the output folder %1.</source>
        <translation>Não foi possível criar a pasta de saída %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe.</source>
        <translation>Não foi possível criar um pipe.</translation>
    </message>
</context>
<context>
    <name>Prerequisites</name>
    <message>
        <source>Follow Apple&apos;s prompt, then choose Check again when it finishes.</source>
        <translation>Siga as instruções da Apple e, ao terminar, escolha Verificar de novo.</translation>
    </message>
    <message>
        <source>Apple says the tools may already be installed or being installed. Choose Check again.</source>
        <translation>Segundo a Apple, as ferramentas podem já estar instaladas ou em instalação. Escolha Verificar de novo.</translation>
    </message>
    <message>
        <source>macOS could not open the installation. Run xcode-select --install in Terminal.</source>
        <translation>O macOS não conseguiu abrir a instalação. Execute xcode-select --install no Terminal.</translation>
    </message>
    <message>
        <source>Accept Xcode&apos;s license first: open Xcode once, or run sudo xcodebuild -license accept.</source>
        <translation>Aceite antes a licença do Xcode: abra o Xcode uma vez ou execute sudo xcodebuild -license accept.</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Could not launch %1: %2.</source>
        <translation>Não foi possível iniciar %1: %2.</translation>
    </message>
    <message>
        <source>The process was already launched.</source>
        <translation>O processo já foi iniciado.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Build cancelled. You can try again.</source>
        <translation>Compilação cancelada. Você pode tentar de novo.</translation>
    </message>
    <message>
        <source>Checking %1…</source>
        <translation>Verificando %1…</translation>
    </message>
</context>
<context>
    <name>Sizes</name>
    <message>
        <source>GB</source>
        <extracomment>The unit of a size in 2^30 bytes, after its figure (&quot;30.0 GB&quot;): the language&apos;s own symbol.</extracomment>
        <translation>GB</translation>
    </message>
    <message>
        <source>MB</source>
        <extracomment>The unit of a size in 2^20 bytes, after its figure (&quot;650 MB&quot;): the language&apos;s own symbol.</extracomment>
        <translation>MB</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Building Velmora 3000</source>
        <translation>Compilando o Velmora 3000</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>That doesn&apos;t look like the GOG offline installer.</source>
        <translation>Isso não parece o instalador offline do GOG.</translation>
    </message>
</context>
<context>
    <name>vlmr::BuildPage</name>
    <message>
        <source>Stage %1 of 6</source>
        <extracomment>Which of the build&apos;s six stages runs now; %1 is its number.</extracomment>
        <translation>Etapa %1 de 6</translation>
    </message>
    <message>
        <source>Building Velmora 3000…</source>
        <translation>Compilando o Velmora 3000…</translation>
    </message>
    <message>
        <source>Build details</source>
        <translation>Detalhes da compilação</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>A small button beside &quot;Build details&quot;: hides the build log below it. Keep it short.</extracomment>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>You can keep this window open.</source>
        <translation>Você pode deixar esta janela aberta.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>A small button beside &quot;Build details&quot;: shows the build log below it again. Keep it short.</extracomment>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>%1 … [a line of %2, cut here; the installer log has all of it]</source>
        <translation>%1 … [uma linha de %2, cortada aqui; o log a tem inteira]</translation>
    </message>
</context>
<context>
    <name>vlmr::DBusNotificationPoster</name>
    <message>
        <source>Show</source>
        <extracomment>The button of a desktop notification about the build: brings the installer&apos;s window to the front.</extracomment>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>vlmr::DonePage</name>
    <message>
        <source>⌘ Return</source>
        <extracomment>A key cap: the Command key and the Return key, pressed together. Keep &quot;⌘&quot; and name Return as the system&apos;s keyboard menus do.</extracomment>
        <translation>⌘ Return</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausar ou retomar</translation>
    </message>
    <message>
        <source>Move the camera</source>
        <translation>Mover a câmera</translation>
    </message>
    <message>
        <source>Settings: resolution, scaling, text, camera, autosave, speed keys and simulation options</source>
        <translation>Ajustes: resolução, escala, texto, câmera, salvamento automático, teclas de velocidade e simulação</translation>
    </message>
    <message>
        <source>Set game speed</source>
        <extracomment>What the keys 1 to 4 do in the game; an action, like the other shortcuts.</extracomment>
        <translation>Ajustar a velocidade do jogo</translation>
    </message>
    <message>
        <source>Turn the camera</source>
        <translation>Girar a câmera</translation>
    </message>
    <message>
        <source>Move to Applications</source>
        <translation>Mover para Aplicativos</translation>
    </message>
    <message>
        <source>Moving…</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button while the app is being moved.</extracomment>
        <translation>Movendo…</translation>
    </message>
    <message>
        <source>Moved ✓</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button once the app is there (the app is the subject).</extracomment>
        <translation>Movido ✓</translation>
    </message>
    <message>
        <source>Your city is built. Open it now, or keep it with your other apps.</source>
        <translation>Sua cidade está pronta. Abra-a agora ou guarde-a com seus outros apps.</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostrar no Finder</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Before you play</source>
        <translation>Antes de jogar</translation>
    </message>
    <message>
        <source>If macOS blocks the game:</source>
        <translation>Se o macOS bloquear o jogo:</translation>
    </message>
    <message>
        <source>This app contains your copy of the game. Please keep it on this Mac and don&apos;t share or upload it. Your saves and settings stay in your user folder.</source>
        <translation>Este app contém sua cópia do jogo. Mantenha-o neste Mac e não o compartilhe nem o envie para a internet. Seus jogos salvos e ajustes ficam na sua pasta de usuário.</translation>
    </message>
    <message>
        <source> go to System Settings → Privacy &amp; Security → Open Anyway. You only need to do this once.</source>
        <translation> vá em Ajustes do Sistema → Privacidade e Segurança → Abrir Mesmo Assim. Basta fazer isso uma vez.</translation>
    </message>
</context>
<context>
    <name>vlmr::ErrorPage</name>
    <message>
        <source>Log: %1</source>
        <extracomment>Where the build log is; %1 is the path of its file.</extracomment>
        <translation>Log: %1</translation>
    </message>
    <message>
        <source>Copy log</source>
        <extracomment>A narrow button below &quot;Log: …&quot;: copies the whole build log to the clipboard.</extracomment>
        <translation>Copiar log</translation>
    </message>
    <message>
        <source>Show log in Finder</source>
        <extracomment>Opens a Finder window with the build log&apos;s file selected.</extracomment>
        <translation>Mostrar log no Finder</translation>
    </message>
    <message>
        <source>Choose another installer</source>
        <translation>Escolher outro instalador</translation>
    </message>
    <message>
        <source>Your original game installer hasn&apos;t been changed.</source>
        <translation>Seu instalador original do jogo não foi alterado.</translation>
    </message>
    <message>
        <source>Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. Your build log can help if the problem continues.</source>
        <translation>Escolha o SimCity 3000 Unlimited versão 2.0.949(a) e tente de novo. Se o problema continuar, o log da compilação pode ajudar.</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerController</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Instalador do Velmora 3000</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Encerrar %1</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Janela</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerPage</name>
    <message>
        <source>Bring your GOG installer</source>
        <translation>Adicione seu instalador GOG</translation>
    </message>
    <message>
        <source>We&apos;ll turn your copy into a native Mac app.</source>
        <translation>Vamos transformar sua cópia em um app nativo para Mac.</translation>
    </message>
    <message>
        <source>Drop your GOG SimCity 3000 Unlimited installer here</source>
        <translation>Solte aqui o instalador GOG do SimCity 3000 Unlimited</translation>
    </message>
    <message>
        <source>Choose the offline installer ending in .exe</source>
        <translation>Escolha o instalador offline terminado em .exe</translation>
    </message>
    <message>
        <source>No file chosen yet</source>
        <translation>Nenhum arquivo escolhido</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Build</source>
        <extracomment>The button that starts building the app from the chosen installer (a verb).</extracomment>
        <translation>Compilar</translation>
    </message>
    <message>
        <source>Your file stays on this Mac</source>
        <translation>Seu arquivo fica neste Mac</translation>
    </message>
    <message>
        <source>First build: about 3 minutes and %1 of free space. The finished app contains your game files; keep it on this Mac.</source>
        <translation>Primeira compilação: uns 3&#xa0;minutos e %1 livres. O app contém os arquivos do jogo; mantenha-o neste Mac.</translation>
    </message>
</context>
<context>
    <name>vlmr::LogView</name>
    <message>
        <source>Build log</source>
        <translation>Log da compilação</translation>
    </message>
</context>
<context>
    <name>vlmr::OutcomePages</name>
    <message>
        <source>Couldn&apos;t move the app</source>
        <translation>Não foi possível mover o app</translation>
    </message>
</context>
<context>
    <name>vlmr::SelectionFlow</name>
    <message>
        <source>Choose your GOG SimCity 3000 Unlimited installer</source>
        <translation>Escolha o instalador GOG do SimCity 3000 Unlimited</translation>
    </message>
    <message>
        <source>Use this installer</source>
        <translation>Usar este instalador</translation>
    </message>
    <message>
        <source>Windows installer (%1)</source>
        <extracomment>The file dialog&apos;s filter; %1 is the file pattern. Keep the parentheses plain ASCII.</extracomment>
        <translation>Instalador do Windows (%1)</translation>
    </message>
</context>
<context>
    <name>vlmr::WelcomePage</name>
    <message>
        <source>Xcode Command Line Tools</source>
        <translation>Xcode Command Line Tools</translation>
    </message>
    <message>
        <source>Python 3</source>
        <translation>Python 3</translation>
    </message>
    <message>
        <source>Apple Silicon · macOS 15+</source>
        <translation>Apple Silicon · macOS 15+</translation>
    </message>
    <message>
        <source>Supported</source>
        <extracomment>The status of the Mac&apos;s row (&quot;Apple Silicon · macOS 15+&quot;): this Mac can build the game.</extracomment>
        <translation>Compatível</translation>
    </message>
    <message>
        <source>After Apple&apos;s installer finishes, choose Check again.</source>
        <translation>Quando o instalador da Apple terminar, escolha Verificar de novo.</translation>
    </message>
    <message>
        <source>Checking…</source>
        <extracomment>The status of a checklist row while it is being checked.</extracomment>
        <translation>Verificando…</translation>
    </message>
    <message>
        <source>One thing to install first</source>
        <translation>Falta instalar uma coisa</translation>
    </message>
    <message>
        <source>It&apos;s a one-time download from Apple.</source>
        <translation>É um download único da Apple.</translation>
    </message>
    <message>
        <source>Velmora 3000 builds the game on your Mac, so it needs Apple&apos;s free Xcode Command Line Tools. You don&apos;t need the full Xcode app.</source>
        <translation>O Velmora 3000 compila o jogo no seu Mac e, por isso, precisa das Xcode Command Line Tools, gratuitas da Apple. O app Xcode completo não é necessário.</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>The status of Python 3&apos;s row: it can be used.</extracomment>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Install Command Line Tools</source>
        <translation>Instalar Command Line Tools</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Verificar de novo</translation>
    </message>
    <message>
        <source>No Homebrew or Terminal setup</source>
        <translation>Sem Homebrew nem Terminal</translation>
    </message>
    <message>
        <source>One quick check first</source>
        <translation>Antes, uma verificação rápida</translation>
    </message>
    <message>
        <source>Then we&apos;ll build your Mac version from your GOG copy.</source>
        <translation>Depois, vamos compilar sua versão para Mac a partir da cópia GOG.</translation>
    </message>
    <message>
        <source>✓  Ready to build</source>
        <translation>✓  Pronto para compilar</translation>
    </message>
    <message>
        <source>Everything happens on this Mac. Nothing is uploaded.</source>
        <translation>Tudo acontece neste Mac. Nada é enviado.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Checking again…</source>
        <translation>Verificando de novo…</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are not installed.</extracomment>
        <translation>Ausentes</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Python 3</comment>
        <extracomment>The status of Python 3&apos;s row (one program): it is not installed.</extracomment>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Installed</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are installed.</extracomment>
        <translation>Instaladas</translation>
    </message>
    <message>
        <source>About 3 minutes · %1 free space</source>
        <translation>Cerca de 3&#xa0;minutos · %1 livres</translation>
    </message>
</context>
</TS>
