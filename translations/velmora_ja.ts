<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>done</source>
        <extracomment>Spoken after a build stage&apos;s name (&quot;Compile the game: done&quot;): the stage is over.</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>in progress</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage is running now.</extracomment>
        <translation>進行中</translation>
    </message>
    <message>
        <source>not started</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage has not begun yet.</extracomment>
        <translation>未開始</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Read aloud as one line: %1 is what a row or key names, %2 its state or meaning (&quot;Python 3: Ready&quot;, &quot;Compile the game: done&quot;).</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>The ⌘ key as a screen reader names it, in the system&apos;s words. &quot;Command comma&quot; starts with the same word.</extracomment>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>The ⌥ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The ⇧ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>シフト</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Read for the dash of a range of keys (&quot;1–4&quot;: &quot;1 to 4&quot;); keep the spaces.</extracomment>
        <translation> から </translation>
    </message>
    <message>
        <source>Command comma</source>
        <extracomment>The key combination ⌘ , (the settings shortcut) read aloud.</extracomment>
        <translation>コマンド カンマ</translation>
    </message>
</context>
<context>
    <name>BuildAdvice</name>
    <message>
        <source>Something went wrong while building the app.</source>
        <translation>Appのビルド中に問題が発生しました。</translation>
    </message>
    <message>
        <source>That installer doesn&apos;t contain the SimCity 3000 Unlimited game files. Use the GOG offline backup installer for SimCity 3000 Unlimited.</source>
        <translation>このインストーラにはSimCity 3000 Unlimitedのゲームファイルが含まれていません。GOGのSimCity 3000 Unlimited用オフラインバックアップインストーラを使用してください。</translation>
    </message>
    <message>
        <source>The game files in that installer aren&apos;t version 2.0.949(a), which is the release this project can build. Update it from GOG and try again.</source>
        <translation>このインストーラのゲームファイルは、ビルドに対応したバージョン2.0.949(a)ではありません。GOGで更新してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The Xcode Command Line Tools got out of date or incomplete. Run xcode-select --install, then reopen this installer.</source>
        <translation>Xcode&#xa0;Command&#xa0;Line&#xa0;Toolsが古いか不完全です。「xcode-select --install」を実行してから、このインストーラを開き直してください。</translation>
    </message>
    <message>
        <source>Your disk is full. Free about %1, then build again.</source>
        <translation>ディスクがいっぱいです。約%1の空き容量を確保してから、もう一度ビルドしてください。</translation>
    </message>
</context>
<context>
    <name>BuildNotification</name>
    <message>
        <source>The build finished. Click to open the installer.</source>
        <translation>ビルドが完了しました。クリックするとインストーラが開きます。</translation>
    </message>
    <message>
        <source>Click to see what went wrong.</source>
        <translation>クリックすると原因を確認できます。</translation>
    </message>
    <message>
        <source>The build was cancelled</source>
        <translation>ビルドはキャンセルされました</translation>
    </message>
    <message>
        <source>Click to open the installer.</source>
        <translation>クリックするとインストーラが開きます。</translation>
    </message>
    <message>
        <source>Velmora 3000 is ready</source>
        <translation>Velmora 3000の準備ができました</translation>
    </message>
    <message>
        <source>The build didn&apos;t finish</source>
        <translation>ビルドに失敗しました</translation>
    </message>
</context>
<context>
    <name>BuildStages</name>
    <message>
        <source>Check game installer</source>
        <translation>インストーラを確認</translation>
    </message>
    <message>
        <source>Unpack game files</source>
        <translation>ゲームファイルを展開</translation>
    </message>
    <message>
        <source>Prepare native libraries</source>
        <translation>ネイティブライブラリを準備</translation>
    </message>
    <message>
        <source>Compile the game</source>
        <translation>ゲームをコンパイル</translation>
    </message>
    <message>
        <source>Package the app</source>
        <translation>Appをパッケージ化</translation>
    </message>
    <message>
        <source>Sign for this Mac</source>
        <translation>このMac用に署名</translation>
    </message>
    <message>
        <source>Checking your game installer and the build tools.</source>
        <translation>ゲームのインストーラとビルドツールを確認しています。</translation>
    </message>
    <message>
        <source>Unpacking the game files from your GOG installer.</source>
        <translation>GOGのインストーラからゲームファイルを展開しています。</translation>
    </message>
    <message>
        <source>Preparing the native libraries and lifted code.</source>
        <translation>ネイティブライブラリと変換済みコードを準備しています。</translation>
    </message>
    <message>
        <source>Compiling the native Mac app. This usually takes about 3 minutes.</source>
        <translation>Mac用のネイティブAppをコンパイルしています。通常は3分ほどかかります。</translation>
    </message>
    <message>
        <source>Packaging the app and its resources.</source>
        <translation>Appとそのリソースをパッケージ化しています。</translation>
    </message>
    <message>
        <source>Signing the app for this Mac.</source>
        <translation>このMac用にAppに署名しています。</translation>
    </message>
</context>
<context>
    <name>BuildTimings</name>
    <message>
        <source>less than a minute left</source>
        <translation>残り1分未満</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>残り約%n分</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Velmora 3000 インストーラ</translation>
    </message>
    <message>
        <source>Build Velmora 3000 from your own GOG installer</source>
        <translation>お持ちのGOGインストーラからVelmora 3000をビルドします</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>Only %1 free on this disk; the build needs about %2. Free some space, then choose the installer again.</source>
        <translation>このディスクの空き容量は%1しかありません。ビルドには約%2必要です。空き容量を増やしてから、インストーラをもう一度選択してください。</translation>
    </message>
    <message>
        <source>Only %1 free on that disk; the app needs about %2. Free some space, then choose Move to Applications again.</source>
        <translation>そのディスクの空き容量は%1しかありません。Appには約%2必要です。空き容量を増やしてから、もう一度「アプリケーションに移動」を選択してください。</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Velmora 3000 インストーラ</translation>
    </message>
    <message>
        <source>Windows executable</source>
        <translation>Windows実行ファイル</translation>
    </message>
    <message>
        <source>Show in Finder asks Finder to put an alias of Applications beside the app, so you can drag the app into place.</source>
        <translation>「Finderに表示」では、Appの隣に「アプリケーション」フォルダのエイリアスをFinderに作成してもらい、Appをドラッグして移動できるようにします。</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on your Desktop to build the game from it.</source>
        <translation>デスクトップで選んだGOGインストーラを読み込み、そこからゲームをビルドします。</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Documents folder to build the game from it.</source>
        <translation>「書類」フォルダで選んだGOGインストーラを読み込み、そこからゲームをビルドします。</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Downloads folder to build the game from it.</source>
        <translation>「ダウンロード」フォルダで選んだGOGインストーラを読み込み、そこからゲームをビルドします。</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on an external drive to build the game from it.</source>
        <translation>外部ドライブで選んだGOGインストーラを読み込み、そこからゲームをビルドします。</translation>
    </message>
</context>
<context>
    <name>InstallerValidation</name>
    <message>
        <source>That file can&apos;t be read. Is it still on this Mac?</source>
        <translation>このファイルを読み込めません。ファイルはまだこのMacにありますか？</translation>
    </message>
    <message>
        <source>That file is too small to be the GOG installer (it should be about 560 MB).</source>
        <translation>GOGのインストーラにしてはファイルが小さすぎます（約560&#xa0;MBのはずです）。</translation>
    </message>
    <message>
        <source>That isn&apos;t a Windows installer (.exe) file.</source>
        <translation>Windowsのインストーラ（.exe）ファイルではありません。</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like the GOG SimCity 3000 Unlimited installer. Look for setup_simcity_3000_unlimited_2.0.949(a)….exe in your GOG library.</source>
        <translation>GOGのSimCity 3000 Unlimitedインストーラではないようです。GOGライブラリでsetup_simcity_3000_unlimited_2.0.949(a)….exeを探してください。</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>確認を中止しました。</translation>
    </message>
    <message>
        <source>macOS doesn&apos;t let the installer read that file. Allow it in System Settings → Privacy &amp; Security → Files and Folders.</source>
        <translation>macOSがこのファイルの読み込みを許可していません。システム設定→プライバシーとセキュリティ→ファイルとフォルダで許可してください。</translation>
    </message>
    <message>
        <source>GOG 2.0.949(a) installer · %1 · ready to build</source>
        <translation>GOG 2.0.949(a)インストーラ · %1 · ビルドできます</translation>
    </message>
    <message>
        <source>%1 · this build is not the known GOG 2.0.949(a) one, so the game files are checked after extraction</source>
        <translation>%1 · 既知のGOG 2.0.949(a)版ではないため、展開後にゲームファイルを確認します</translation>
    </message>
</context>
<context>
    <name>Installing</name>
    <message>
        <source>Copying the app failed. Is the disk full?</source>
        <translation>Appをコピーできませんでした。ディスクがいっぱいではありませんか？</translation>
    </message>
    <message>
        <source>The app was copied but couldn&apos;t be put in place.</source>
        <translation>Appはコピーされましたが、所定の場所に配置できませんでした。</translation>
    </message>
    <message>
        <source>%1 already exists and wasn&apos;t made by this installer. Move or rename it first.</source>
        <translation>%1はすでに存在し、このインストーラで作成されたものではありません。先に移動するか、名前を変更してください。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be replaced. Check its permissions.</source>
        <translation>%1を置き換えられませんでした。アクセス権を確認してください。</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is read-only.</source>
        <translation>Appをコピーできませんでした。%1は読み出し専用です。</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is not a folder.</source>
        <translation>Appをコピーできませんでした。%1はフォルダではありません。</translation>
    </message>
</context>
<context>
    <name>MAC_APPLICATION_MENU</name>
    <message>
        <source>About %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: opens the app&apos;s About panel; %1 is the app&apos;s name.</extracomment>
        <translation>%1について</translation>
    </message>
    <message>
        <source>Services</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: the submenu of the system&apos;s services.</extracomment>
        <translation>サービス</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides the app&apos;s windows (Command-H); %1 is the app&apos;s name.</extracomment>
        <translation>%1を非表示</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides every other app (Option-Command-H).</extracomment>
        <translation>ほかを非表示</translation>
    </message>
    <message>
        <source>Show All</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: shows the apps that were hidden.</extracomment>
        <translation>すべてを表示</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: quits the app (Command-Q); %1 is the app&apos;s name.</extracomment>
        <translation>%1を終了</translation>
    </message>
</context>
<context>
    <name>NearMiss</name>
    <message>
        <source>That download hasn&apos;t finished yet. Wait for it, then try again.</source>
        <translation>ダウンロードがまだ完了していません。完了を待ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>That&apos;s a Mac installer. This needs the Windows offline installer from GOG.</source>
        <translation>これはMac用のインストーラです。GOGのWindows用オフラインインストーラが必要です。</translation>
    </message>
    <message>
        <source>That&apos;s an archive. Open it and use the installer (.exe) inside.</source>
        <translation>これはアーカイブです。開いて、中のインストーラ（.exe）を使用してください。</translation>
    </message>
    <message>
        <source>That&apos;s a data part of the installer. Use the .exe beside it.</source>
        <translation>これはインストーラのデータ部分です。同じ場所にある.exeを使用してください。</translation>
    </message>
</context>
<context>
    <name>PageParts</name>
    <message>
        <source>%1, needs attention</source>
        <extracomment>Read aloud after a checklist row whose state is not good; %1 is the row as read.</extracomment>
        <translation>%1、対応が必要です</translation>
    </message>
</context>
<context>
    <name>Pipeline</name>
    <message>
        <source>The installer file changed after it was checked. Choose it again.</source>
        <translation>インストーラファイルが確認後に変更されました。もう一度選択してください。</translation>
    </message>
    <message>
        <source>Another build is already running.</source>
        <translation>別のビルドがすでに実行中です。</translation>
    </message>
    <message>
        <source>The installer bundle is damaged (no source snapshot inside).</source>
        <translation>インストーラのバンドルが破損しています（ソースのスナップショットがありません）。</translation>
    </message>
    <message>
        <source>Could not unpack the build sources into Application Support.</source>
        <translation>ビルド用ソースをApplication Supportに展開できませんでした。</translation>
    </message>
    <message>
        <source>The build sources are not prepared.</source>
        <translation>ビルド用ソースが準備されていません。</translation>
    </message>
    <message>
        <source>Could not start the build.</source>
        <translation>ビルドを開始できませんでした。</translation>
    </message>
    <message>
        <source>Could not lock the folder %1 against another build.</source>
        <translation>フォルダ%1を他のビルドに対してロックできませんでした。</translation>
    </message>
    <message>
        <source>Could not create the output folder %1.</source>
        <translation>出力フォルダ%1を作成できませんでした。</translation>
    </message>
    <message>
        <source>Could not create a pipe.</source>
        <translation>パイプを作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>Prerequisites</name>
    <message>
        <source>Follow Apple&apos;s prompt, then choose Check again when it finishes.</source>
        <translation>Appleの案内に従い、完了したら「再確認」を選択してください。</translation>
    </message>
    <message>
        <source>Apple says the tools may already be installed or being installed. Choose Check again.</source>
        <translation>Appleによると、ツールはインストール済みかインストール中のようです。「再確認」を選択してください。</translation>
    </message>
    <message>
        <source>macOS could not open the installation. Run xcode-select --install in Terminal.</source>
        <translation>macOSでインストールを開けませんでした。ターミナルで「xcode-select --install」を実行してください。</translation>
    </message>
    <message>
        <source>Accept Xcode&apos;s license first: open Xcode once, or run sudo xcodebuild -license accept.</source>
        <translation>先にXcodeのライセンスに同意してください。Xcodeを一度開くか、sudo xcodebuild -license acceptを実行します。</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Could not launch %1: %2.</source>
        <translation>%1を起動できませんでした: %2。</translation>
    </message>
    <message>
        <source>The process was already launched.</source>
        <translation>プロセスはすでに起動しています。</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Build cancelled. You can try again.</source>
        <translation>ビルドをキャンセルしました。もう一度お試しいただけます。</translation>
    </message>
    <message>
        <source>Checking %1…</source>
        <translation>%1を確認中…</translation>
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
        <translation>Velmora 3000をビルド中</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>That doesn&apos;t look like the GOG offline installer.</source>
        <translation>GOGのオフラインインストーラではないようです。</translation>
    </message>
</context>
<context>
    <name>vlmr::BuildPage</name>
    <message>
        <source>Stage %1 of 6</source>
        <extracomment>Which of the build&apos;s six stages runs now; %1 is its number.</extracomment>
        <translation>ステップ %1/6</translation>
    </message>
    <message>
        <source>Building Velmora 3000…</source>
        <translation>Velmora 3000をビルド中…</translation>
    </message>
    <message>
        <source>Build details</source>
        <translation>ビルドの詳細</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>A small button beside &quot;Build details&quot;: hides the build log below it. Keep it short.</extracomment>
        <translation>非表示</translation>
    </message>
    <message>
        <source>You can keep this window open.</source>
        <translation>このウインドウは開いたままで構いません。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>A small button beside &quot;Build details&quot;: shows the build log below it again. Keep it short.</extracomment>
        <translation>表示</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>キャンセル中…</translation>
    </message>
    <message>
        <source>%1 … [a line of %2, cut here; the installer log has all of it]</source>
        <translation>%1 … [%2の行をここで切り詰めました。ログには全体が残っています]</translation>
    </message>
</context>
<context>
    <name>vlmr::DBusNotificationPoster</name>
    <message>
        <source>Show</source>
        <extracomment>The button of a desktop notification about the build: brings the installer&apos;s window to the front.</extracomment>
        <translation>表示</translation>
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
        <translation>フルスクリーン</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>一時停止／再開</translation>
    </message>
    <message>
        <source>Move the camera</source>
        <translation>カメラを移動</translation>
    </message>
    <message>
        <source>Settings: resolution, scaling, text, camera, autosave, speed keys and simulation options</source>
        <translation>設定：解像度、拡大縮小、文字、カメラ、自動保存、速度キー、シミュレーション</translation>
    </message>
    <message>
        <source>Set game speed</source>
        <extracomment>What the keys 1 to 4 do in the game; an action, like the other shortcuts.</extracomment>
        <translation>ゲーム速度を設定</translation>
    </message>
    <message>
        <source>Turn the camera</source>
        <translation>カメラを回転</translation>
    </message>
    <message>
        <source>Move to Applications</source>
        <translation>アプリケーションに移動</translation>
    </message>
    <message>
        <source>Moving…</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button while the app is being moved.</extracomment>
        <translation>移動中…</translation>
    </message>
    <message>
        <source>Moved ✓</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button once the app is there (the app is the subject).</extracomment>
        <translation>移動済み ✓</translation>
    </message>
    <message>
        <source>Your city is built. Open it now, or keep it with your other apps.</source>
        <translation>街が完成しました。今すぐ開くか、ほかのAppと一緒に保管してください。</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Finderに表示</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Before you play</source>
        <translation>プレイする前に</translation>
    </message>
    <message>
        <source>If macOS blocks the game:</source>
        <translation>macOSでゲームがブロックされた場合：</translation>
    </message>
    <message>
        <source>This app contains your copy of the game. Please keep it on this Mac and don&apos;t share or upload it. Your saves and settings stay in your user folder.</source>
        <translation>このAppにはお持ちのゲームが含まれています。このMacに保管し、共有やアップロードはしないでください。セーブデータと設定はユーザフォルダに保存されます。</translation>
    </message>
    <message>
        <source> go to System Settings → Privacy &amp; Security → Open Anyway. You only need to do this once.</source>
        <translation>「システム設定」→「プライバシーとセキュリティ」→「このまま開く」の順に進みます。この操作は最初の1回だけです。</translation>
    </message>
</context>
<context>
    <name>vlmr::ErrorPage</name>
    <message>
        <source>Log: %1</source>
        <extracomment>Where the build log is; %1 is the path of its file.</extracomment>
        <translation>ログ：%1</translation>
    </message>
    <message>
        <source>Copy log</source>
        <extracomment>A narrow button below &quot;Log: …&quot;: copies the whole build log to the clipboard.</extracomment>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Show log in Finder</source>
        <extracomment>Opens a Finder window with the build log&apos;s file selected.</extracomment>
        <translation>ログをFinderに表示</translation>
    </message>
    <message>
        <source>Choose another installer</source>
        <translation>別のインストーラを選択</translation>
    </message>
    <message>
        <source>Your original game installer hasn&apos;t been changed.</source>
        <translation>元のゲームインストーラは変更されていません。</translation>
    </message>
    <message>
        <source>Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. Your build log can help if the problem continues.</source>
        <translation>SimCity 3000 Unlimitedのバージョン2.0.949(a)を選択して、もう一度お試しください。問題が解決しない場合は、ビルドログが役立ちます。</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerController</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Velmora 3000 インストーラ</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1を終了</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウインドウ</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>しまう</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerPage</name>
    <message>
        <source>Bring your GOG installer</source>
        <translation>GOGのインストーラを用意してください</translation>
    </message>
    <message>
        <source>We&apos;ll turn your copy into a native Mac app.</source>
        <translation>お持ちのゲームをMac用のネイティブAppに変換します。</translation>
    </message>
    <message>
        <source>Drop your GOG SimCity 3000 Unlimited installer here</source>
        <translation>GOGのSimCity 3000 Unlimitedインストーラをここにドロップ</translation>
    </message>
    <message>
        <source>Choose the offline installer ending in .exe</source>
        <translation>「.exe」で終わるオフラインインストーラを選択してください</translation>
    </message>
    <message>
        <source>No file chosen yet</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Build</source>
        <extracomment>The button that starts building the app from the chosen installer (a verb).</extracomment>
        <translation>ビルド</translation>
    </message>
    <message>
        <source>Your file stays on this Mac</source>
        <translation>ファイルはこのMacの外に出ません</translation>
    </message>
    <message>
        <source>First build: about 3 minutes and %1 of free space. The finished app contains your game files; keep it on this Mac.</source>
        <translation>初回ビルドは約3分、空き容量%1が必要です。完成したAppはゲームを含むため、このMacに保管してください。</translation>
    </message>
</context>
<context>
    <name>vlmr::LogView</name>
    <message>
        <source>Build log</source>
        <translation>ビルドログ</translation>
    </message>
</context>
<context>
    <name>vlmr::OutcomePages</name>
    <message>
        <source>Couldn&apos;t move the app</source>
        <translation>Appを移動できませんでした</translation>
    </message>
</context>
<context>
    <name>vlmr::SelectionFlow</name>
    <message>
        <source>Choose your GOG SimCity 3000 Unlimited installer</source>
        <translation>GOGのSimCity 3000 Unlimitedインストーラを選択</translation>
    </message>
    <message>
        <source>Use this installer</source>
        <translation>このインストーラを使用</translation>
    </message>
    <message>
        <source>Windows installer (%1)</source>
        <extracomment>The file dialog&apos;s filter; %1 is the file pattern. Keep the parentheses plain ASCII.</extracomment>
        <translation>Windowsインストーラ (%1)</translation>
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
        <translation>Appleシリコン · macOS 15以降</translation>
    </message>
    <message>
        <source>Supported</source>
        <extracomment>The status of the Mac&apos;s row (&quot;Apple Silicon · macOS 15+&quot;): this Mac can build the game.</extracomment>
        <translation>対応</translation>
    </message>
    <message>
        <source>After Apple&apos;s installer finishes, choose Check again.</source>
        <translation>Appleのインストーラが終了したら、「再確認」を選択してください。</translation>
    </message>
    <message>
        <source>Checking…</source>
        <extracomment>The status of a checklist row while it is being checked.</extracomment>
        <translation>確認中…</translation>
    </message>
    <message>
        <source>One thing to install first</source>
        <translation>最初に1つインストールが必要です</translation>
    </message>
    <message>
        <source>It&apos;s a one-time download from Apple.</source>
        <translation>Appleからのダウンロードは1回だけです。</translation>
    </message>
    <message>
        <source>Velmora 3000 builds the game on your Mac, so it needs Apple&apos;s free Xcode Command Line Tools. You don&apos;t need the full Xcode app.</source>
        <translation>Velmora 3000はお使いのMacでゲームをビルドするため、Appleの無料のXcode&#xa0;Command&#xa0;Line&#xa0;Toolsが必要です。Xcode App本体は不要です。</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>The status of Python 3&apos;s row: it can be used.</extracomment>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Install Command Line Tools</source>
        <translation>Command Line Toolsをインストール</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>再確認</translation>
    </message>
    <message>
        <source>No Homebrew or Terminal setup</source>
        <translation>Homebrewやターミナルの設定は不要</translation>
    </message>
    <message>
        <source>One quick check first</source>
        <translation>まずは簡単な確認から</translation>
    </message>
    <message>
        <source>Then we&apos;ll build your Mac version from your GOG copy.</source>
        <translation>そのあと、お持ちのGOG版からMac版をビルドします。</translation>
    </message>
    <message>
        <source>✓  Ready to build</source>
        <translation>✓  ビルドの準備ができました</translation>
    </message>
    <message>
        <source>Everything happens on this Mac. Nothing is uploaded.</source>
        <translation>すべてこのMac上で行われ、何もアップロードされません。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Checking again…</source>
        <translation>再確認中…</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are not installed.</extracomment>
        <translation>未インストール</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Python 3</comment>
        <extracomment>The status of Python 3&apos;s row (one program): it is not installed.</extracomment>
        <translation>未インストール</translation>
    </message>
    <message>
        <source>Installed</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are installed.</extracomment>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>About 3 minutes · %1 free space</source>
        <translation>約3分 · 空き容量%1</translation>
    </message>
</context>
</TS>
