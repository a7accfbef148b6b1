<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>done</source>
        <extracomment>Spoken after a build stage&apos;s name (&quot;Compile the game: done&quot;): the stage is over.</extracomment>
        <translation>completado</translation>
    </message>
    <message>
        <source>in progress</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage is running now.</extracomment>
        <translation>en curso</translation>
    </message>
    <message>
        <source>not started</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage has not begun yet.</extracomment>
        <translation>sin empezar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Read aloud as one line: %1 is what a row or key names, %2 its state or meaning (&quot;Python 3: Ready&quot;, &quot;Compile the game: done&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>The ⌘ key as a screen reader names it, in the system&apos;s words. &quot;Command comma&quot; starts with the same word.</extracomment>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>The ⌥ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The ⇧ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Read for the dash of a range of keys (&quot;1–4&quot;: &quot;1 to 4&quot;); keep the spaces.</extracomment>
        <translation> a </translation>
    </message>
    <message>
        <source>Command comma</source>
        <extracomment>The key combination ⌘ , (the settings shortcut) read aloud.</extracomment>
        <translation>Comando coma</translation>
    </message>
</context>
<context>
    <name>BuildAdvice</name>
    <message>
        <source>Something went wrong while building the app.</source>
        <translation>Algo ha fallado al compilar la app.</translation>
    </message>
    <message>
        <source>That installer doesn&apos;t contain the SimCity 3000 Unlimited game files. Use the GOG offline backup installer for SimCity 3000 Unlimited.</source>
        <translation>Ese instalador no incluye los archivos de SimCity 3000 Unlimited. Usa el instalador offline de GOG para SimCity 3000 Unlimited.</translation>
    </message>
    <message>
        <source>The game files in that installer aren&apos;t version 2.0.949(a), which is the release this project can build. Update it from GOG and try again.</source>
        <translation>Los archivos de ese instalador no son de la versión 2.0.949(a), la única que se puede compilar. Actualízalo desde GOG y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The Xcode Command Line Tools got out of date or incomplete. Run xcode-select --install, then reopen this installer.</source>
        <translation>Las Command Line Tools de Xcode están desactualizadas o incompletas. Ejecuta xcode-select --install y vuelve a abrir este instalador.</translation>
    </message>
    <message>
        <source>Your disk is full. Free about %1, then build again.</source>
        <translation>El disco está lleno. Libera unos %1 y vuelve a compilar.</translation>
    </message>
</context>
<context>
    <name>BuildNotification</name>
    <message>
        <source>The build finished. Click to open the installer.</source>
        <translation>La compilación ha terminado. Haz clic para abrir el instalador.</translation>
    </message>
    <message>
        <source>Click to see what went wrong.</source>
        <translation>Haz clic para ver qué ha fallado.</translation>
    </message>
    <message>
        <source>The build was cancelled</source>
        <translation>Se ha cancelado la compilación</translation>
    </message>
    <message>
        <source>Click to open the installer.</source>
        <translation>Haz clic para abrir el instalador.</translation>
    </message>
    <message>
        <source>Velmora 3000 is ready</source>
        <translation>Velmora 3000 está listo</translation>
    </message>
    <message>
        <source>The build didn&apos;t finish</source>
        <translation>La compilación ha fallado</translation>
    </message>
</context>
<context>
    <name>BuildStages</name>
    <message>
        <source>Check game installer</source>
        <translation>Comprobar instalador</translation>
    </message>
    <message>
        <source>Unpack game files</source>
        <translation>Extraer archivos</translation>
    </message>
    <message>
        <source>Prepare native libraries</source>
        <translation>Preparar bibliotecas</translation>
    </message>
    <message>
        <source>Compile the game</source>
        <translation>Compilar el juego</translation>
    </message>
    <message>
        <source>Package the app</source>
        <translation>Empaquetar la app</translation>
    </message>
    <message>
        <source>Sign for this Mac</source>
        <translation>Firmar para este Mac</translation>
    </message>
    <message>
        <source>Checking your game installer and the build tools.</source>
        <translation>Comprobando tu instalador y las herramientas de compilación.</translation>
    </message>
    <message>
        <source>Unpacking the game files from your GOG installer.</source>
        <translation>Extrayendo los archivos del juego de tu instalador de GOG.</translation>
    </message>
    <message>
        <source>Preparing the native libraries and lifted code.</source>
        <translation>Preparando las bibliotecas nativas y el código traducido.</translation>
    </message>
    <message>
        <source>Compiling the native Mac app. This usually takes about 3 minutes.</source>
        <translation>Compilando la app nativa para Mac. Suele tardar unos 3&#xa0;minutos.</translation>
    </message>
    <message>
        <source>Packaging the app and its resources.</source>
        <translation>Empaquetando la app y sus recursos.</translation>
    </message>
    <message>
        <source>Signing the app for this Mac.</source>
        <translation>Firmando la app para este Mac.</translation>
    </message>
</context>
<context>
    <name>BuildTimings</name>
    <message>
        <source>less than a minute left</source>
        <translation>queda menos de un minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>queda aprox. %n&#xa0;min</numerusform>
            <numerusform>quedan aprox. %n&#xa0;min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Instalador de Velmora 3000</translation>
    </message>
    <message>
        <source>Build Velmora 3000 from your own GOG installer</source>
        <translation>Compila Velmora 3000 desde tu propio instalador de GOG</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>Only %1 free on this disk; the build needs about %2. Free some space, then choose the installer again.</source>
        <translation>Solo hay %1 libres en este disco y la compilación necesita unos %2. Libera espacio y vuelve a elegir el instalador.</translation>
    </message>
    <message>
        <source>Only %1 free on that disk; the app needs about %2. Free some space, then choose Move to Applications again.</source>
        <translation>Solo hay %1 libres en ese disco y la app necesita unos %2. Libera espacio y vuelve a elegir Mover a Aplicaciones.</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Instalador de Velmora 3000</translation>
    </message>
    <message>
        <source>Windows executable</source>
        <translation>Ejecutable de Windows</translation>
    </message>
    <message>
        <source>Show in Finder asks Finder to put an alias of Applications beside the app, so you can drag the app into place.</source>
        <translation>Mostrar en Finder pide al Finder que cree un alias de Aplicaciones junto a la app para que puedas arrastrar la app a su sitio.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on your Desktop to build the game from it.</source>
        <translation>El instalador lee el instalador de GOG que elijas en tu escritorio para crear el juego a partir de él.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Documents folder to build the game from it.</source>
        <translation>El instalador lee el instalador de GOG que elijas en tu carpeta Documentos para crear el juego a partir de él.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Downloads folder to build the game from it.</source>
        <translation>El instalador lee el instalador de GOG que elijas en tu carpeta Descargas para crear el juego a partir de él.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on an external drive to build the game from it.</source>
        <translation>El instalador lee el instalador de GOG que elijas en un disco externo para crear el juego a partir de él.</translation>
    </message>
</context>
<context>
    <name>InstallerValidation</name>
    <message>
        <source>That file can&apos;t be read. Is it still on this Mac?</source>
        <translation>No se puede leer ese archivo. ¿Sigue en este Mac?</translation>
    </message>
    <message>
        <source>That file is too small to be the GOG installer (it should be about 560 MB).</source>
        <translation>Ese archivo es demasiado pequeño para ser el instalador de GOG (debería ocupar unos 560&#xa0;MB).</translation>
    </message>
    <message>
        <source>That isn&apos;t a Windows installer (.exe) file.</source>
        <translation>Ese archivo no es un instalador de Windows (.exe).</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like the GOG SimCity 3000 Unlimited installer. Look for setup_simcity_3000_unlimited_2.0.949(a)….exe in your GOG library.</source>
        <translation>No parece el instalador de SimCity 3000 Unlimited de GOG. Busca setup_simcity_3000_unlimited_2.0.949(a)….exe en tu biblioteca de GOG.</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>Se ha detenido la comprobación.</translation>
    </message>
    <message>
        <source>macOS doesn&apos;t let the installer read that file. Allow it in System Settings → Privacy &amp; Security → Files and Folders.</source>
        <translation>macOS no deja que el instalador lea ese archivo. Permítelo en Ajustes del Sistema → Privacidad y seguridad → Archivos y carpetas.</translation>
    </message>
    <message>
        <source>GOG 2.0.949(a) installer · %1 · ready to build</source>
        <translation>Instalador GOG 2.0.949(a) · %1 · listo para compilar</translation>
    </message>
    <message>
        <source>%1 · this build is not the known GOG 2.0.949(a) one, so the game files are checked after extraction</source>
        <translation>%1 · no es la versión conocida GOG 2.0.949(a), así que los archivos se comprueban tras extraerlos</translation>
    </message>
</context>
<context>
    <name>Installing</name>
    <message>
        <source>Copying the app failed. Is the disk full?</source>
        <translation>No se ha podido copiar la app. ¿Está lleno el disco?</translation>
    </message>
    <message>
        <source>The app was copied but couldn&apos;t be put in place.</source>
        <translation>La app se ha copiado, pero no se ha podido colocar en su sitio.</translation>
    </message>
    <message>
        <source>%1 already exists and wasn&apos;t made by this installer. Move or rename it first.</source>
        <translation>%1 ya existe y no es de este instalador. Muévelo o renómbralo primero.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be replaced. Check its permissions.</source>
        <translation>No se ha podido sustituir %1. Revisa sus permisos.</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is read-only.</source>
        <translation>No se ha podido copiar la app: %1 es de solo lectura.</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is not a folder.</source>
        <translation>No se ha podido copiar la app: %1 no es una carpeta.</translation>
    </message>
</context>
<context>
    <name>MAC_APPLICATION_MENU</name>
    <message>
        <source>About %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: opens the app&apos;s About panel; %1 is the app&apos;s name.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Services</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: the submenu of the system&apos;s services.</extracomment>
        <translation>Servicios</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides the app&apos;s windows (Command-H); %1 is the app&apos;s name.</extracomment>
        <translation>Ocultar %1</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides every other app (Option-Command-H).</extracomment>
        <translation>Ocultar otros</translation>
    </message>
    <message>
        <source>Show All</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: shows the apps that were hidden.</extracomment>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: quits the app (Command-Q); %1 is the app&apos;s name.</extracomment>
        <translation>Salir de %1</translation>
    </message>
</context>
<context>
    <name>NearMiss</name>
    <message>
        <source>That download hasn&apos;t finished yet. Wait for it, then try again.</source>
        <translation>Esa descarga aún no ha terminado. Espera a que acabe y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>That&apos;s a Mac installer. This needs the Windows offline installer from GOG.</source>
        <translation>Es un instalador para Mac. Hace falta el instalador offline para Windows de GOG.</translation>
    </message>
    <message>
        <source>That&apos;s an archive. Open it and use the installer (.exe) inside.</source>
        <translation>Es un archivo comprimido. Ábrelo y usa el instalador (.exe) que contiene.</translation>
    </message>
    <message>
        <source>That&apos;s a data part of the installer. Use the .exe beside it.</source>
        <translation>Es una parte de datos del instalador. Usa el .exe que está a su lado.</translation>
    </message>
</context>
<context>
    <name>PageParts</name>
    <message>
        <source>%1, needs attention</source>
        <extracomment>Read aloud after a checklist row whose state is not good; %1 is the row as read.</extracomment>
        <translation>%1, requiere atención</translation>
    </message>
</context>
<context>
    <name>Pipeline</name>
    <message>
        <source>The installer file changed after it was checked. Choose it again.</source>
        <translation>El archivo del instalador cambió después de comprobarlo. Vuelve a elegirlo.</translation>
    </message>
    <message>
        <source>Another build is already running.</source>
        <translation>Ya hay otra compilación en curso.</translation>
    </message>
    <message>
        <source>The installer bundle is damaged (no source snapshot inside).</source>
        <translation>El paquete del instalador está dañado (no contiene el código fuente).</translation>
    </message>
    <message>
        <source>Could not unpack the build sources into Application Support.</source>
        <translation>No se ha podido extraer el código fuente en Application Support.</translation>
    </message>
    <message>
        <source>The build sources are not prepared.</source>
        <translation>El código fuente no está preparado.</translation>
    </message>
    <message>
        <source>Could not start the build.</source>
        <translation>No se ha podido iniciar la compilación.</translation>
    </message>
    <message>
        <source>Could not lock the folder %1 against another build.</source>
        <translation>No se pudo bloquear la carpeta %1 frente a otra compilación.</translation>
    </message>
    <message>
        <source>Could not create the output folder %1.</source>
        <translation>No se pudo crear la carpeta de salida %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe.</source>
        <translation>No se pudo crear una tubería.</translation>
    </message>
</context>
<context>
    <name>Prerequisites</name>
    <message>
        <source>Follow Apple&apos;s prompt, then choose Check again when it finishes.</source>
        <translation>Sigue las indicaciones de Apple y, al terminar, elige Comprobar.</translation>
    </message>
    <message>
        <source>Apple says the tools may already be installed or being installed. Choose Check again.</source>
        <translation>Según Apple, puede que las herramientas ya estén instaladas o se estén instalando. Elige Comprobar.</translation>
    </message>
    <message>
        <source>macOS could not open the installation. Run xcode-select --install in Terminal.</source>
        <translation>macOS no ha podido abrir la instalación. Ejecuta xcode-select --install en Terminal.</translation>
    </message>
    <message>
        <source>Accept Xcode&apos;s license first: open Xcode once, or run sudo xcodebuild -license accept.</source>
        <translation>Acepta antes la licencia de Xcode: abre Xcode una vez o ejecuta sudo xcodebuild -license accept.</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Could not launch %1: %2.</source>
        <translation>No se pudo iniciar %1: %2.</translation>
    </message>
    <message>
        <source>The process was already launched.</source>
        <translation>El proceso ya se había iniciado.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Build cancelled. You can try again.</source>
        <translation>Compilación cancelada. Puedes volver a intentarlo.</translation>
    </message>
    <message>
        <source>Checking %1…</source>
        <translation>Comprobando %1…</translation>
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
        <translation>Compilando Velmora 3000</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>That doesn&apos;t look like the GOG offline installer.</source>
        <translation>No parece el instalador offline de GOG.</translation>
    </message>
</context>
<context>
    <name>vlmr::BuildPage</name>
    <message>
        <source>Stage %1 of 6</source>
        <extracomment>Which of the build&apos;s six stages runs now; %1 is its number.</extracomment>
        <translation>Fase %1 de 6</translation>
    </message>
    <message>
        <source>Building Velmora 3000…</source>
        <translation>Compilando Velmora 3000…</translation>
    </message>
    <message>
        <source>Build details</source>
        <translation>Detalles de compilación</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>A small button beside &quot;Build details&quot;: hides the build log below it. Keep it short.</extracomment>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>You can keep this window open.</source>
        <translation>Puedes dejar esta ventana abierta.</translation>
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
        <translation>%1 … [una línea de %2, cortada aquí; el log la tiene completa]</translation>
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
        <translation>⌘ Retorno</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausar o reanudar</translation>
    </message>
    <message>
        <source>Move the camera</source>
        <translation>Mover la cámara</translation>
    </message>
    <message>
        <source>Settings: resolution, scaling, text, camera, autosave, speed keys and simulation options</source>
        <translation>Ajustes: resolución, escala, texto, cámara, autoguardado, teclas de velocidad y simulación</translation>
    </message>
    <message>
        <source>Set game speed</source>
        <extracomment>What the keys 1 to 4 do in the game; an action, like the other shortcuts.</extracomment>
        <translation>Ajustar la velocidad del juego</translation>
    </message>
    <message>
        <source>Turn the camera</source>
        <translation>Girar la cámara</translation>
    </message>
    <message>
        <source>Move to Applications</source>
        <translation>Mover a Aplicaciones</translation>
    </message>
    <message>
        <source>Moving…</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button while the app is being moved.</extracomment>
        <translation>Moviendo…</translation>
    </message>
    <message>
        <source>Moved ✓</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button once the app is there (the app is the subject).</extracomment>
        <translation>Movida ✓</translation>
    </message>
    <message>
        <source>Your city is built. Open it now, or keep it with your other apps.</source>
        <translation>Tu ciudad está lista. Ábrela ya o guárdala con tus otras apps.</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostrar en Finder</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Before you play</source>
        <translation>Antes de jugar</translation>
    </message>
    <message>
        <source>If macOS blocks the game:</source>
        <translation>Si macOS bloquea el juego:</translation>
    </message>
    <message>
        <source>This app contains your copy of the game. Please keep it on this Mac and don&apos;t share or upload it. Your saves and settings stay in your user folder.</source>
        <translation>Esta app contiene tu copia del juego: tenla solo en este Mac y no la compartas ni la subas. Tus partidas y ajustes quedan en tu carpeta de usuario.</translation>
    </message>
    <message>
        <source> go to System Settings → Privacy &amp; Security → Open Anyway. You only need to do this once.</source>
        <translation> ve a Ajustes del Sistema → Privacidad y seguridad → Abrir igualmente. Solo hace falta una vez.</translation>
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
        <translation>Mostrar log en Finder</translation>
    </message>
    <message>
        <source>Choose another installer</source>
        <translation>Elegir otro instalador</translation>
    </message>
    <message>
        <source>Your original game installer hasn&apos;t been changed.</source>
        <translation>Tu instalador original del juego no se ha modificado.</translation>
    </message>
    <message>
        <source>Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. Your build log can help if the problem continues.</source>
        <translation>Elige SimCity 3000 Unlimited versión 2.0.949(a) y vuelve a intentarlo. Si el problema persiste, el log de compilación puede ayudar.</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerController</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Instalador de Velmora 3000</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Salir de %1</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerPage</name>
    <message>
        <source>Bring your GOG installer</source>
        <translation>Añade tu instalador de GOG</translation>
    </message>
    <message>
        <source>We&apos;ll turn your copy into a native Mac app.</source>
        <translation>Convertiremos tu copia en una app nativa para Mac.</translation>
    </message>
    <message>
        <source>Drop your GOG SimCity 3000 Unlimited installer here</source>
        <translation>Suelta aquí tu instalador de SimCity 3000 Unlimited de GOG</translation>
    </message>
    <message>
        <source>Choose the offline installer ending in .exe</source>
        <translation>Elige el instalador offline acabado en .exe</translation>
    </message>
    <message>
        <source>No file chosen yet</source>
        <translation>Ningún archivo elegido</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Build</source>
        <extracomment>The button that starts building the app from the chosen installer (a verb).</extracomment>
        <translation>Compilar</translation>
    </message>
    <message>
        <source>Your file stays on this Mac</source>
        <translation>Tu archivo no sale de este Mac</translation>
    </message>
    <message>
        <source>First build: about 3 minutes and %1 of free space. The finished app contains your game files; keep it on this Mac.</source>
        <translation>Primera compilación: unos 3&#xa0;minutos y %1 de espacio libre. La app final contiene los archivos de tu juego; tenla solo en este Mac.</translation>
    </message>
</context>
<context>
    <name>vlmr::LogView</name>
    <message>
        <source>Build log</source>
        <translation>Log de compilación</translation>
    </message>
</context>
<context>
    <name>vlmr::OutcomePages</name>
    <message>
        <source>Couldn&apos;t move the app</source>
        <translation>No se ha podido mover la app</translation>
    </message>
</context>
<context>
    <name>vlmr::SelectionFlow</name>
    <message>
        <source>Choose your GOG SimCity 3000 Unlimited installer</source>
        <translation>Elige tu instalador de SimCity 3000 Unlimited de GOG</translation>
    </message>
    <message>
        <source>Use this installer</source>
        <translation>Usar este instalador</translation>
    </message>
    <message>
        <source>Windows installer (%1)</source>
        <extracomment>The file dialog&apos;s filter; %1 is the file pattern. Keep the parentheses plain ASCII.</extracomment>
        <translation>Instalador de Windows (%1)</translation>
    </message>
</context>
<context>
    <name>vlmr::WelcomePage</name>
    <message>
        <source>Xcode Command Line Tools</source>
        <translation>Command Line Tools de Xcode</translation>
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
        <translation>Compatible</translation>
    </message>
    <message>
        <source>After Apple&apos;s installer finishes, choose Check again.</source>
        <translation>Cuando acabe el instalador de Apple, elige Comprobar.</translation>
    </message>
    <message>
        <source>Checking…</source>
        <extracomment>The status of a checklist row while it is being checked.</extracomment>
        <translation>Comprobando…</translation>
    </message>
    <message>
        <source>One thing to install first</source>
        <translation>Primero, instala una cosa</translation>
    </message>
    <message>
        <source>It&apos;s a one-time download from Apple.</source>
        <translation>Se descarga de Apple una sola vez.</translation>
    </message>
    <message>
        <source>Velmora 3000 builds the game on your Mac, so it needs Apple&apos;s free Xcode Command Line Tools. You don&apos;t need the full Xcode app.</source>
        <translation>Velmora 3000 compila el juego en tu Mac, así que necesita las Command Line Tools de Xcode, que Apple ofrece gratis. No necesitas la app Xcode completa.</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>The status of Python 3&apos;s row: it can be used.</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Install Command Line Tools</source>
        <translation>Instalar Command Line Tools</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>No Homebrew or Terminal setup</source>
        <translation>Sin Homebrew ni Terminal</translation>
    </message>
    <message>
        <source>One quick check first</source>
        <translation>Una comprobación rápida</translation>
    </message>
    <message>
        <source>Then we&apos;ll build your Mac version from your GOG copy.</source>
        <translation>Luego compilaremos tu versión para Mac con tu copia de GOG.</translation>
    </message>
    <message>
        <source>✓  Ready to build</source>
        <translation>✓  Listo para compilar</translation>
    </message>
    <message>
        <source>Everything happens on this Mac. Nothing is uploaded.</source>
        <translation>Todo ocurre en este Mac. No se sube nada.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Checking again…</source>
        <translation>Comprobando de nuevo…</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are not installed.</extracomment>
        <translation>Faltan</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Python 3</comment>
        <extracomment>The status of Python 3&apos;s row (one program): it is not installed.</extracomment>
        <translation>Falta</translation>
    </message>
    <message>
        <source>Installed</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are installed.</extracomment>
        <translation>Instaladas</translation>
    </message>
    <message>
        <source>About 3 minutes · %1 free space</source>
        <translation>Unos 3&#xa0;minutos · %1 libres</translation>
    </message>
</context>
</TS>
