<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BackUpController</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1: File not found.</source>
        <translation>%1: ファイルが見つかりません。</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged.</source>
        <translation>%1 は途中で切れているか、壊れています。</translation>
    </message>
    <message>
        <source>%1 is not a back-up file.</source>
        <translation>%1 はバックアップファイルではありません。</translation>
    </message>
    <message>
        <source>Open Back-Up</source>
        <translation>バックアップを開く</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>未比較</translation>
    </message>
    <message>
        <source>same</source>
        <translation>同じ</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>設定が異なる</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>名前が異なる</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>変更あり</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>片方にない</translation>
    </message>
    <message>
        <source>Compared with %1, taken %2</source>
        <translation>%1（作成日時 %2）と比較しました</translation>
    </message>
    <message>
        <source>Compared with the unit, settings included.</source>
        <translation>本体と比較しました（設定も含む）。</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>名前が同じ</translation>
    </message>
    <message>
        <source>Compared with the unit by names and set lists; Compare settings reads its presets once.</source>
        <translation>本体と名前とセットリストで比較しました。「設定を比較」で本体のプリセットを 1 回読み込むと、設定も比較します。</translation>
    </message>
    <message>
        <source>Not compared: the unit connected is of another model.</source>
        <translation>比較していません: 接続中の本体は別のモデルです。</translation>
    </message>
    <message>
        <source>Not compared: no unit is connected.</source>
        <translation>比較していません: 本体が接続されていません。</translation>
    </message>
    <message>
        <source>Compare Settings</source>
        <translation>設定の比較</translation>
    </message>
    <message>
        <source>Reading the presets of the unit...</source>
        <translation>本体のプリセットを読み込んでいます...</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>比較するバックアップの選択</translation>
    </message>
    <message>
        <source>BACKUP(*.%1)</source>
        <translation>バックアップ(*.%1)</translation>
    </message>
    <message>
        <source>%1 and %2 are back-ups of different models.</source>
        <translation>%1 と %2 は異なるモデルのバックアップです。</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>set list %1</source>
        <translation>セットリスト %1</translation>
    </message>
    <message>
        <source>the system parameters</source>
        <translation>システムパラメーター</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>選択して復元</translation>
    </message>
    <message>
        <source>What the unit holds in %1 will be replaced by what %2 holds there; everything else stays as it is.</source>
        <translation>本体の %1 の内容が、%2 の内容に置き換えられます。それ以外はそのままです。</translation>
    </message>
    <message>
        <source>Do you want to put them back?</source>
        <translation>復元しますか？</translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>復元しています...</translation>
    </message>
    <message>
        <source>Load Presets</source>
        <translation>プリセットのロード</translation>
    </message>
    <message>
        <source>%1 is not a back-up of the unit connected&apos;s model. Nothing was changed.</source>
        <translation>%1 は接続中の本体と同じモデルのバックアップではありません。何も変更されていません。</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets?</source>
        <translation>プリセットを上書きしますか？</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt; with &lt;b&gt;%2&lt;/b&gt; from &lt;b&gt;%3&lt;/b&gt;?</source>
        <translation>プリセット &lt;b&gt;%1&lt;/b&gt; を &lt;b&gt;%3&lt;/b&gt; の &lt;b&gt;%2&lt;/b&gt; で上書きしますか？</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>プリセットのロード</translation>
    </message>
    <message>
        <source>Loading presets.</source>
        <translation>プリセットをロードしています。</translation>
    </message>
</context>
<context>
    <name>BackUpView</name>
    <message>
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Set List %1</source>
        <translation>セットリスト %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close the back-up beside the unit</source>
        <translation>本体の横に開いたバックアップを閉じます</translation>
    </message>
    <message>
        <source>Compare settings</source>
        <translation>設定を比較</translation>
    </message>
    <message>
        <source>Read the presets of the unit once to compare their settings too</source>
        <translation>本体のプリセットを 1 回読み込んで、設定も比較します</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>バックアップと比較...</translation>
    </message>
    <message>
        <source>Compare with another back-up instead of the unit</source>
        <translation>本体の代わりに別のバックアップと比較します</translation>
    </message>
    <message>
        <source>Compare with the unit</source>
        <translation>本体と比較</translation>
    </message>
    <message>
        <source>Compare with the unit again</source>
        <translation>もう一度本体と比較します</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>違いだけを表示</translation>
    </message>
    <message>
        <source>Show only the entries that differ</source>
        <translation>違いのある項目だけを表示します</translation>
    </message>
    <message>
        <source>Back-up entries</source>
        <translation>バックアップの項目</translation>
    </message>
    <message>
        <source>Drag presets onto the user presets to put them back</source>
        <translation>プリセットをユーザープリセットにドラッグすると復元します</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>比較結果</translation>
    </message>
    <message>
        <source>Drag presets onto the user presets to put them back.</source>
        <translation>プリセットをユーザープリセットにドラッグすると復元できます。</translation>
    </message>
    <message>
        <source>Restore selected...</source>
        <translation>選択して復元...</translation>
    </message>
    <message>
        <source>Put back the chosen presets, set lists or system parameters</source>
        <translation>選んだプリセット、セットリスト、システムパラメーターを復元します</translation>
    </message>
    <message>
        <source>Taken %1</source>
        <translation>作成日時: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not in this back-up</source>
        <translation>含まれていません</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>System parameters: held</source>
        <translation>システムパラメーター: あり</translation>
    </message>
    <message>
        <source>System parameters: not in this back-up</source>
        <translation>システムパラメーター: 含まれていません</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>未比較</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>CFirmwareUpdate</name>
    <message>
        <source>Check the internet connection, or try again later.</source>
        <translation>インターネット接続を確認するか、しばらくしてからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>System</source>
        <translation>システムの言語</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>ファームウェアの更新</translation>
    </message>
    <message>
        <source>Checking for firmware update...</source>
        <translation>ファームウェアの更新を確認しています...</translation>
    </message>
    <message>
        <source>Application Update</source>
        <translation>アプリケーションの更新</translation>
    </message>
    <message>
        <source>Checking for application update...</source>
        <translation>アプリケーションの更新を確認しています...</translation>
    </message>
    <message>
        <source>Factory Preset Update</source>
        <translation>ファクトリープリセットの更新</translation>
    </message>
    <message>
        <source>All %1 factory presets of the unit will be replaced by those in FactoryPresets.dat.</source>
        <translation>本体のファクトリープリセット %1 個がすべて FactoryPresets.dat の内容に置き換えられます。</translation>
    </message>
    <message>
        <source>Do you want to rewrite the factory presets?</source>
        <translation>ファクトリープリセットを書き換えますか？</translation>
    </message>
    <message>
        <source>Updating factory presets...</source>
        <translation>ファクトリープリセットを更新しています...</translation>
    </message>
    <message>
        <source>Preferences were modified?</source>
        <translation>設定を保存しますか？</translation>
    </message>
    <message>
        <source>Changes were made to the Preferences. Do you wish to keep these changes?</source>
        <translation>設定が変更されています。この変更を保存しますか？</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>About Tessitra Stage Librarian</source>
        <translation>Tessitra Stage Librarian について</translation>
    </message>
</context>
<context>
    <name>ContentWidget</name>
    <message>
        <source>Load Presets</source>
        <translation>プリセットのロード</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets?</source>
        <translation>プリセットを上書きしますか？</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Set List A</source>
        <translation>セットリスト A</translation>
    </message>
    <message>
        <source>Set List B</source>
        <translation>セットリスト B</translation>
    </message>
    <message>
        <source>Set List C</source>
        <translation>セットリスト C</translation>
    </message>
    <message>
        <source>Set List D</source>
        <translation>セットリスト D</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: 空き</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>User preset</source>
        <translation>ユーザープリセット</translation>
    </message>
    <message>
        <source>Factory preset</source>
        <translation>ファクトリープリセット</translation>
    </message>
    <message>
        <source>Slot of %1</source>
        <translation>%1 のスロット</translation>
    </message>
    <message>
        <source>Save to computer...</source>
        <translation>パソコンに保存...</translation>
    </message>
    <message>
        <source>Load preset...</source>
        <translation>プリセットをロード...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>名前を変更...</translation>
    </message>
    <message>
        <source>Remove...</source>
        <translation>削除...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste...</source>
        <translation>貼り付け...</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 の名前を変更</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>プリセット名</translation>
    </message>
    <message>
        <source>%1: at most %2 characters</source>
        <translation>%1: 最大 %2 文字</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Renaming Preset...</source>
        <translation>プリセット名を変更しています...</translation>
    </message>
    <message>
        <source>Do you want to remove selected preset(s) from set list?</source>
        <translation>選択したプリセットをセットリストから削除しますか？</translation>
    </message>
    <message>
        <source>Editing Set List</source>
        <translation>セットリストの編集</translation>
    </message>
    <message>
        <source>Removing preset(s) from Set List.</source>
        <translation>セットリストからプリセットを削除しています。</translation>
    </message>
    <message>
        <source>Choose Directory</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>%1 file already exists, do you want to overwrite?</source>
        <translation>ファイル %1 はすでに存在します。上書きしますか？</translation>
    </message>
    <message>
        <source>Save Presets</source>
        <translation>プリセットの保存</translation>
    </message>
    <message>
        <source>Savings presets...</source>
        <translation>プリセットを保存しています...</translation>
    </message>
    <message>
        <source>Preset(*%1)</source>
        <comment>file type in the file dialog</comment>
        <translation>プリセット(*%1)</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt;
with
&lt;b&gt;%2&lt;/b&gt;?</source>
        <translation>プリセット &lt;b&gt;%1&lt;/b&gt; を
&lt;b&gt;%2&lt;/b&gt;
で上書きしますか？</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>プリセットのロード</translation>
    </message>
    <message>
        <source>Loading presets.</source>
        <translation>プリセットをロードしています。</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt; with &lt;b&gt;%2&lt;/b&gt;?</source>
        <translation>プリセット &lt;b&gt;%1&lt;/b&gt; を &lt;b&gt;%2&lt;/b&gt; で上書きしますか？</translation>
    </message>
    <message>
        <source>Do you want to edit &lt;b&gt;%1&lt;/b&gt;?</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; を編集しますか？</translation>
    </message>
    <message>
        <source>Adding preset(s) to Set List.</source>
        <translation>セットリストにプリセットを追加しています。</translation>
    </message>
    <message>
        <source>Find in back-ups...</source>
        <translation>バックアップから検索...</translation>
    </message>
    <message>
        <source>%1: at most %2 characters; the unit cannot store %3</source>
        <translation>%1: 最大 %2 文字。%3 は本体に保存できません</translation>
    </message>
</context>
<context>
    <name>DeviceManagerThread</name>
    <message>
        <source>%1, serial number %2</source>
        <translation>%1、シリアル番号 %2</translation>
    </message>
    <message>
        <source>Stopped. The lists show only what was read until then.</source>
        <translation>停止しました。リストには停止までに読み込んだ内容だけが表示されています。</translation>
    </message>
    <message>
        <source>Stopped. %1 of %2 presets were saved to files.</source>
        <translation>停止しました。プリセット %2 個中 %1 個をファイルに保存しました。</translation>
    </message>
    <message>
        <source>Stopped. The back-up file was not written.</source>
        <translation>停止しました。バックアップファイルは書き込まれていません。</translation>
    </message>
    <message>
        <source>Reading the presets, set lists and system parameters of the unit...</source>
        <translation>本体のプリセット、セットリスト、システムパラメーターを読み込んでいます...</translation>
    </message>
    <message>
        <source>Stopped. Nothing was compared.</source>
        <translation>停止しました。何も比較していません。</translation>
    </message>
    <message>
        <source>Failed to read the presets of the unit.</source>
        <translation>本体のプリセットを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>FindBackUpsDlg</name>
    <message>
        <source>Find in Back-ups</source>
        <translation>バックアップから検索</translation>
    </message>
    <message>
        <source>Looking through the back-ups and preset files...</source>
        <translation>バックアップとプリセットファイルを検索しています...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>スロット</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Back-ups and preset files found</source>
        <translation>見つかったバックアップとプリセットファイル</translation>
    </message>
    <message>
        <source>Enter opens the file at the chosen preset</source>
        <translation>Enter キーで、選んだプリセットの位置でファイルを開きます</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open the chosen file at its preset</source>
        <translation>選んだファイルを、そのプリセットの位置で開きます</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset named like &quot;%1&quot; or with the same settings.</source>
        <translation>名前に「%1」を含むプリセットや設定が同じプリセットは、どのバックアップにもプリセットファイルにもありません。</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset named like &quot;%1&quot;.</source>
        <translation>名前に「%1」を含むプリセットは、どのバックアップにもプリセットファイルにもありません。</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset with the same settings.</source>
        <translation>設定が同じプリセットは、どのバックアップにもプリセットファイルにもありません。</translation>
    </message>
    <message>
        <source>Presets named like &quot;%1&quot; or with the same settings, newest file first:</source>
        <translation>名前に「%1」を含むプリセットと設定が同じプリセット（新しいファイル順）:</translation>
    </message>
    <message>
        <source>Presets named like &quot;%1&quot;, newest file first:</source>
        <translation>名前に「%1」を含むプリセット（新しいファイル順）:</translation>
    </message>
    <message>
        <source>Presets with the same settings, newest file first:</source>
        <translation>設定が同じプリセット（新しいファイル順）:</translation>
    </message>
    <message>
        <source>preset file</source>
        <translation>プリセットファイル</translation>
    </message>
    <message>
        <source>same settings</source>
        <translation>設定が同じ</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>名前なし</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>設定が異なる</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tessitra Stage Librarian</source>
        <translation>Tessitra Stage Librarian</translation>
    </message>
    <message>
        <source>Failed to load initialization file. Reinstall the application to fix the problem.</source>
        <translation>初期化ファイルを読み込めませんでした。アプリケーションを再インストールしてください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading...&lt;/b&gt;</source>
        <translation>&lt;b&gt;読み込み中...&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>&amp;About Tessitra Stage Librarian</source>
        <translation>Tessitra Stage Librarian について(&amp;A)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>元に戻す: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>やり直し: %1</translation>
    </message>
    <message>
        <source>The manual could not be opened. It is at %1.</source>
        <translation>マニュアルを開けませんでした。マニュアルの場所は %1 です。</translation>
    </message>
    <message>
        <source>%1, build %2</source>
        <translation>%1、ビルド %2</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Reading presets...</source>
        <translation>プリセットを読み込んでいます...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Unplug one of them; the librarian connects to the one left.</source>
        <translation>どちらか 1 台を外してください。残った本体にライブラリアンが接続します。</translation>
    </message>
    <message>
        <source>Multiple Device</source>
        <translation>複数の本体</translation>
    </message>
    <message>
        <source>Exit App</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>The unit is in use by the tessitra command line; the librarian connects when it is free.</source>
        <translation>本体は tessitra コマンドラインで使用中です。空きしだい、ライブラリアンが接続します。</translation>
    </message>
    <message>
        <source>Connect your Stage Ariette or Stage Cadenzo over USB</source>
        <translation>Stage Ariette または Stage Cadenzo を USB で接続してください</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>ファイルの保存</translation>
    </message>
    <message>
        <source>BACKUP(*%1)</source>
        <comment>file type in the file dialog</comment>
        <translation>バックアップ(*%1)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 はすでに存在します。
置き換えますか？</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Backing up presets...</source>
        <translation>プリセットをバックアップしています...</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>All %1 user presets, the favourites, set lists A to D and the system parameters of the unit will be replaced by those in %2.</source>
        <translation>本体のユーザープリセット %1 個すべて、お気に入り、セットリスト A〜D、システムパラメーターが %2 の内容に置き換えられます。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Do you want to restore this back-up?</source>
        <translation>このバックアップを復元しますか？</translation>
    </message>
    <message>
        <source>Restoring presets...</source>
        <translation>プリセットを復元しています...</translation>
    </message>
    <message>
        <source>Binary(*.bin *.ldr)</source>
        <comment>file type in the file dialog</comment>
        <translation>バイナリ(*.bin *.ldr)</translation>
    </message>
    <message>
        <source>The DSP firmware of the unit (%1) will be replaced by the one in %2.</source>
        <translation>本体の DSP ファームウェア（%1）が %2 のファームウェアに置き換えられます。</translation>
    </message>
    <message>
        <source>The microcontroller firmware of the unit (%1) will be replaced by the one in %2.</source>
        <translation>本体のマイコンファームウェア（%1）が %2 のファームウェアに置き換えられます。</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>ファームウェアの更新</translation>
    </message>
    <message>
        <source>Do you want to write this firmware?</source>
        <translation>このファームウェアを書き込みますか？</translation>
    </message>
    <message>
        <source>Updating firmware...</source>
        <translation>ファームウェアを更新しています...</translation>
    </message>
    <message>
        <source>Application Update</source>
        <translation>アプリケーションの更新</translation>
    </message>
    <message>
        <source>New application version available.
Current: %1
New: %2
Do you want to download and update?</source>
        <translation>新しいバージョンのアプリケーションがあります。
現在: %1
最新: %2
ダウンロードして更新しますか？</translation>
    </message>
    <message>
        <source>Downloading application...</source>
        <translation>アプリケーションをダウンロードしています...</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1, %2
New: %3, %4
Do you want to update?</source>
        <translation>新しいファームウェアがあります。
現在: %1, %2
最新: %3, %4
更新しますか？</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1
New: %2
Do you want to update?</source>
        <translation>新しいファームウェアがあります。
現在: %1
最新: %2
更新しますか？</translation>
    </message>
    <message>
        <source>Downloading firmware...</source>
        <translation>ファームウェアをダウンロードしています...</translation>
    </message>
    <message>
        <source>Do you want to close the application and install the new version?</source>
        <translation>アプリケーションを終了して、新しいバージョンをインストールしますか？</translation>
    </message>
    <message>
        <source>Factory Presets</source>
        <translation>ファクトリープリセット</translation>
    </message>
    <message>
        <source>The unit answers again. Its factory bank from before the rewrite that stopped is kept in &quot;%1&quot;.</source>
        <translation>本体が再び応答しました。中断した書き換えの前のファクトリープリセットは「%1」に保存されています。</translation>
    </message>
    <message>
        <source>Put the factory presets from before back?</source>
        <translation>書き換え前のファクトリープリセットに戻しますか？</translation>
    </message>
    <message>
        <source>updating factory presets...</source>
        <translation>ファクトリープリセットを更新しています...</translation>
    </message>
    <message>
        <source>Restore the state from before?</source>
        <translation>以前の状態に戻しますか？</translation>
    </message>
    <message>
        <source>The unit answers again. The automatic back-up &quot;%1&quot; holds its user presets, set lists and system parameters from before the operation that stopped.</source>
        <translation>本体が再び応答しました。自動バックアップ「%1」に、中断した操作の前のユーザープリセット、セットリスト、システムパラメーターが保存されています。</translation>
    </message>
    <message>
        <source>Put back the state from before</source>
        <translation>以前の状態に戻す</translation>
    </message>
    <message>
        <source>Restore the back-up again</source>
        <translation>バックアップをもう一度復元</translation>
    </message>
    <message>
        <source>The unit holds a mix of old and restored presets until it is restored or refreshed.</source>
        <translation>本体には古いプリセットと復元したプリセットが混在しています。復元または再読み込みするまで、この状態のままです。</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>何も元に戻されませんでした。</translation>
    </message>
    <message>
        <source>Writing the overwritten presets back...</source>
        <translation>上書きされたプリセットを書き戻しています...</translation>
    </message>
    <message>
        <source>Network Authentication</source>
        <translation>ネットワーク認証</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; asks for &quot;%2&quot;.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; が「%2」の認証を求めています。</translation>
    </message>
    <message>
        <source>&lt;b&gt;User Name:&lt;/b&gt;</source>
        <translation>&lt;b&gt;ユーザー名:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Password:&lt;/b&gt;</source>
        <translation>&lt;b&gt;パスワード:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Proxy %1</source>
        <translation>プロキシ %1</translation>
    </message>
    <message>
        <source>The server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>%1
EMPTY</source>
        <comment>an empty set-list slot: A01</comment>
        <translation>%1
空き</translation>
    </message>
    <message>
        <source>Check for firmware update...</source>
        <translation>ファームウェアの更新を確認...</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>更新を確認しています...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Refresh presets&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;プリセットを再読み込み&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Update Firmware&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;ファームウェアを更新&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Settings&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;設定&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Help&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;ヘルプ&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Browse&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;参照&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Up one folder&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;1 つ上のフォルダーへ&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Set List A</source>
        <translation>セットリスト A</translation>
    </message>
    <message>
        <source>Set List B</source>
        <translation>セットリスト B</translation>
    </message>
    <message>
        <source>Set List C</source>
        <translation>セットリスト C</translation>
    </message>
    <message>
        <source>Set List D</source>
        <translation>セットリスト D</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Back up user presets from device.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;本体のユーザープリセットをバックアップします。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Button will back up all presets from device to a file in computer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;本体のすべてのプリセットをパソコンのファイルにバックアップします。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Back Up</source>
        <translation>&lt;&lt;バックアップ</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Load user presets to device from a backed up file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;バックアップファイルからユーザープリセットを本体に復元します。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Button will load the presets from a backed up file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;バックアップファイルからプリセットを復元します。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Restore&gt;&gt;</source>
        <translation>復元&gt;&gt;</translation>
    </message>
    <message>
        <source>Read the presets from the unit again</source>
        <translation>本体からプリセットを読み込み直します</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>ファームウェアを更新</translation>
    </message>
    <message>
        <source>Write new firmware from a file into the unit</source>
        <translation>ファイルから新しいファームウェアを本体に書き込みます</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Update checks, safety and language</source>
        <translation>更新の確認、安全機能、言語</translation>
    </message>
    <message>
        <source>The manual and the About box</source>
        <translation>マニュアルとバージョン情報</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Choose the folder the file list shows</source>
        <translation>ファイル一覧に表示するフォルダーを選びます</translation>
    </message>
    <message>
        <source>Up one folder</source>
        <translation>1 つ上のフォルダーへ</translation>
    </message>
    <message>
        <source>Show the folder above this one</source>
        <translation>1 つ上のフォルダーを表示します</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Type a folder and press Enter to show it</source>
        <translation>フォルダーを入力して Enter キーを押すと表示します</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Preset files</source>
        <translation>プリセットファイル</translation>
    </message>
    <message>
        <source>Drag preset files onto the user presets to load them</source>
        <translation>プリセットファイルをユーザープリセットにドラッグするとロードします</translation>
    </message>
    <message>
        <source>User presets</source>
        <translation>ユーザープリセット</translation>
    </message>
    <message>
        <source>Factory presets</source>
        <translation>ファクトリープリセット</translation>
    </message>
    <message>
        <source>Back up the presets, set lists and settings of the unit to a file</source>
        <translation>本体のプリセット、セットリスト、設定をファイルにバックアップします</translation>
    </message>
    <message>
        <source>Load a back-up file into the unit</source>
        <translation>バックアップファイルを本体に復元します</translation>
    </message>
    <message>
        <source>Overwrite it anyway?</source>
        <translation>それでも上書きしますか？</translation>
    </message>
    <message>
        <source>Open beside the unit</source>
        <translation>本体の横に開く</translation>
    </message>
    <message>
        <source>Find a preset by name (Ctrl+F)</source>
        <translation>プリセット名で検索（Ctrl+F）</translation>
    </message>
    <message>
        <source>Find presets</source>
        <translation>プリセットを検索</translation>
    </message>
    <message>
        <source>Shows only the user and factory presets whose name holds this text</source>
        <translation>名前にこのテキストを含むユーザープリセットとファクトリープリセットだけを表示します</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Show every preset again</source>
        <translation>すべてのプリセットを再び表示します</translation>
    </message>
    <message>
        <source>Find in back-ups...</source>
        <translation>バックアップから検索...</translation>
    </message>
    <message>
        <source>Find in back-ups</source>
        <translation>バックアップから検索</translation>
    </message>
    <message>
        <source>List the back-ups and preset files that hold a preset of this name</source>
        <translation>この名前のプリセットがあるバックアップとプリセットファイルを一覧表示します</translation>
    </message>
    <message>
        <source>Factory Presets</source>
        <comment>tab</comment>
        <translation>ファクトリー</translation>
    </message>
</context>
<context>
    <name>OperationPlan</name>
    <message>
        <source>Reading the factory presets %1 of %2</source>
        <translation>ファクトリープリセットを読み込んでいます（%1/%2）</translation>
    </message>
    <message>
        <source>Reading the factory presets</source>
        <translation>ファクトリープリセットを読み込んでいます</translation>
    </message>
    <message>
        <source>Reading preset names %1 of %2</source>
        <translation>プリセット名を読み込んでいます（%1/%2）</translation>
    </message>
    <message>
        <source>Reading preset names</source>
        <translation>プリセット名を読み込んでいます</translation>
    </message>
    <message>
        <source>Reading set lists</source>
        <translation>セットリストを読み込んでいます</translation>
    </message>
    <message>
        <source>Backing up the unit first: preset %1 of %2</source>
        <translation>先に本体をバックアップしています: プリセット %1/%2</translation>
    </message>
    <message>
        <source>Backing up the unit first</source>
        <translation>先に本体をバックアップしています</translation>
    </message>
    <message>
        <source>Keeping the factory presets first: %1 of %2</source>
        <translation>先にファクトリープリセットを保存しています: %1/%2</translation>
    </message>
    <message>
        <source>Keeping the factory presets first</source>
        <translation>先にファクトリープリセットを保存しています</translation>
    </message>
    <message>
        <source>Backing up presets %1 of %2</source>
        <translation>プリセットをバックアップしています（%1/%2）</translation>
    </message>
    <message>
        <source>Backing up set lists and system parameters</source>
        <translation>セットリストとシステムパラメーターをバックアップしています</translation>
    </message>
    <message>
        <source>Saving presets %1 of %2</source>
        <translation>プリセットを保存しています（%1/%2）</translation>
    </message>
    <message>
        <source>Saving presets</source>
        <translation>プリセットを保存しています</translation>
    </message>
    <message>
        <source>Keeping what is overwritten, for Undo</source>
        <translation>元に戻せるように、上書きされる内容を保存しています</translation>
    </message>
    <message>
        <source>Writing presets %1 of %2</source>
        <translation>プリセットを書き込んでいます（%1/%2）</translation>
    </message>
    <message>
        <source>Writing presets</source>
        <translation>プリセットを書き込んでいます</translation>
    </message>
    <message>
        <source>The unit is storing the presets</source>
        <translation>本体がプリセットを保存しています</translation>
    </message>
    <message>
        <source>Checking what was written %1 of %2</source>
        <translation>書き込んだ内容を確認しています（%1/%2）</translation>
    </message>
    <message>
        <source>Checking what was written</source>
        <translation>書き込んだ内容を確認しています</translation>
    </message>
    <message>
        <source>Writing set lists %1 of %2</source>
        <translation>セットリストを書き込んでいます（%1/%2）</translation>
    </message>
    <message>
        <source>Writing set lists</source>
        <translation>セットリストを書き込んでいます</translation>
    </message>
    <message>
        <source>Writing the system parameters</source>
        <translation>システムパラメーターを書き込んでいます</translation>
    </message>
    <message>
        <source>Writing the firmware</source>
        <translation>ファームウェアを書き込んでいます</translation>
    </message>
    <message>
        <source>almost done</source>
        <translation>まもなく完了</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <extracomment>Time left of an operation, in seconds</extracomment>
        <translation>残り約 %1 秒</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <extracomment>Time left of an operation, in minutes</extracomment>
        <translation>残り約 %1 分</translation>
    </message>
    <message>
        <source>about %1 min %2 s left</source>
        <extracomment>Time left of an operation: %1 minutes and %2 seconds</extracomment>
        <translation>残り約 %1 分 %2 秒</translation>
    </message>
    <message>
        <source>This takes a few seconds.</source>
        <translation>数秒かかります。</translation>
    </message>
    <message>
        <source>This takes about %1 seconds.</source>
        <translation>約 %1 秒かかります。</translation>
    </message>
    <message>
        <source>This takes about a minute.</source>
        <translation>約 1 分かかります。</translation>
    </message>
    <message>
        <source>This takes about %1 minutes.</source>
        <translation>約 %1 分かかります。</translation>
    </message>
    <message>
        <source>Reading presets %1 of %2</source>
        <translation>プリセットを読み込んでいます（%1/%2）</translation>
    </message>
    <message>
        <source>Reading set lists and system parameters</source>
        <translation>セットリストとシステムパラメーターを読み込んでいます</translation>
    </message>
</context>
<context>
    <name>PresetButton</name>
    <message>
        <source>Select preset(s) to drag</source>
        <translation>ドラッグするプリセットを選択してください</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This cannot be stopped safely.</source>
        <translation>この操作は安全に中止できません。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>中止しています...</translation>
    </message>
</context>
<context>
    <name>RestoreSelectedDlg</name>
    <message>
        <source>Restore Selected</source>
        <translation>選択して復元</translation>
    </message>
    <message>
        <source>Choose what to put back from %1. Only what is chosen is written; everything else on the unit stays as it is.</source>
        <translation>%1 から復元するものを選んでください。選んだものだけが書き込まれ、本体のそれ以外の内容はそのままです。</translation>
    </message>
    <message>
        <source>&amp;User presets</source>
        <translation>ユーザープリセット(&amp;U)</translation>
    </message>
    <message>
        <source>User presets to put back</source>
        <translation>復元するユーザープリセット</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Set List %1</source>
        <translation>セットリスト %1</translation>
    </message>
    <message>
        <source>System parameters (the unit is backed up first)</source>
        <translation>システムパラメーター（先に本体をバックアップします）</translation>
    </message>
    <message>
        <source>System parameters (not in this back-up)</source>
        <translation>システムパラメーター（このバックアップには含まれていません）</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
</context>
<context>
    <name>settingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>Select language</source>
        <translation>言語を選択</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>The language changes when the librarian starts again.</source>
        <translation>言語の変更は、ライブラリアンの次回起動時に反映されます。</translation>
    </message>
    <message>
        <source>Check for Firmware Update</source>
        <translation>ファームウェアの更新を確認</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>On Startup</source>
        <translation>起動時</translation>
    </message>
    <message>
        <source>Once a Month</source>
        <translation>月に 1 回</translation>
    </message>
    <message>
        <source>Ask the update server for newer firmware for the unit now</source>
        <translation>本体の新しいファームウェアがあるか、今すぐアップデートサーバーに問い合わせます</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>今すぐ確認</translation>
    </message>
    <message>
        <source>Check for Application Update</source>
        <translation>アプリケーションの更新を確認</translation>
    </message>
    <message>
        <source>Ask the update server for a newer librarian now</source>
        <translation>新しいライブラリアンがあるか、今すぐアップデートサーバーに問い合わせます</translation>
    </message>
    <message>
        <source>Update Factory Presets</source>
        <translation>ファクトリープリセットの更新</translation>
    </message>
    <message>
        <source>Rewrite the factory presets of the unit from FactoryPresets.dat</source>
        <translation>本体のファクトリープリセットを FactoryPresets.dat の内容に書き換えます</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>安全機能</translation>
    </message>
    <message>
        <source>Back up the unit before a restore, a factory rewrite or a firmware update</source>
        <translation>復元、ファクトリープリセットの書き換え、ファームウェアの更新の前に本体をバックアップする</translation>
    </message>
    <message>
        <source>Verify every write by reading it back</source>
        <translation>書き込むたびに読み返して確認する</translation>
    </message>
    <message>
        <source>Reset To Defaults</source>
        <translation>初期設定に戻す</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>tessitra</name>
    <message>
        <source>Failed to communicate with device.</source>
        <translation>本体と通信できませんでした。</translation>
    </message>
    <message>
        <source>Device disconnected!</source>
        <translation>本体との接続が切れました！</translation>
    </message>
    <message>
        <source>Multiple devices detected. Please connect only one device.</source>
        <translation>複数の本体が見つかりました。本体を 1 台だけ接続してください。</translation>
    </message>
    <message>
        <source>Success.</source>
        <translation>成功しました。</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation>操作に失敗しました。</translation>
    </message>
    <message>
        <source>Reading factory presets...</source>
        <translation>ファクトリープリセットを読み込んでいます...</translation>
    </message>
    <message>
        <source>Failed to read factory presets.</source>
        <translation>ファクトリープリセットを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Reading user presets...</source>
        <translation>ユーザープリセットを読み込んでいます...</translation>
    </message>
    <message>
        <source>Reading set lists...</source>
        <translation>セットリストを読み込んでいます...</translation>
    </message>
    <message>
        <source>Failed to read set lists.</source>
        <translation>セットリストを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Saving &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; を保存しています。</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; was not saved; any earlier file of that name is unchanged.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; は保存されませんでした。同じ名前の既存のファイルは変更されていません。</translation>
    </message>
    <message>
        <source>The file could not be written: the folder may be read-only or the disk full.</source>
        <translation>ファイルを書き込めませんでした。フォルダーが読み取り専用か、ディスクがいっぱいの可能性があります。</translation>
    </message>
    <message>
        <source>Any earlier back-up of that name is unchanged.</source>
        <translation>同じ名前の既存のバックアップは変更されていません。</translation>
    </message>
    <message>
        <source>The factory preset file was damaged or made for another unit. It was set aside as %1 and is made again from the unit.</source>
        <translation>ファクトリープリセットファイルが壊れているか、別の本体用でした。%1 として退避し、本体から作り直します。</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>ファイルが見つかりません。</translation>
    </message>
    <message>
        <source>File version mismatch.</source>
        <translation>ファイルのバージョンが一致しません。</translation>
    </message>
    <message>
        <source>File data corrupted.</source>
        <translation>ファイルのデータが壊れています。</translation>
    </message>
    <message>
        <source>File(s) not found.</source>
        <translation>ファイルが見つかりません。</translation>
    </message>
    <message>
        <source>File(s) version mismatch.</source>
        <translation>ファイルのバージョンが一致しません。</translation>
    </message>
    <message>
        <source>File(s) data corrupted.</source>
        <translation>ファイルのデータが壊れています。</translation>
    </message>
    <message>
        <source>Failed to load preset. Unknown error.</source>
        <translation>プリセットをロードできませんでした。原因は不明です。</translation>
    </message>
    <message>
        <source>Failed to load preset.</source>
        <translation>プリセットをロードできませんでした。</translation>
    </message>
    <message>
        <source>Backing up user presets and set lists...</source>
        <translation>ユーザープリセットとセットリストをバックアップしています...</translation>
    </message>
    <message>
        <source>Succesfully backed up user presets and set lists.</source>
        <translation>ユーザープリセットとセットリストをバックアップしました。</translation>
    </message>
    <message>
        <source>Failed to backed up user presets and set lists.</source>
        <translation>ユーザープリセットとセットリストをバックアップできませんでした。</translation>
    </message>
    <message>
        <source>Restoring user presets and set lists...</source>
        <translation>ユーザープリセットとセットリストを復元しています...</translation>
    </message>
    <message>
        <source>Succesfully restored user presets and set lists.</source>
        <translation>ユーザープリセットとセットリストを復元しました。</translation>
    </message>
    <message>
        <source>Couldn&apos;t find a back up file.
Please back up first.</source>
        <translation>バックアップファイルが見つかりませんでした。
先にバックアップしてください。</translation>
    </message>
    <message>
        <source>Failed to restore user presets and set lists.</source>
        <translation>ユーザープリセットとセットリストを復元できませんでした。</translation>
    </message>
    <message>
        <source>Not allowed!</source>
        <translation>この操作はできません！</translation>
    </message>
    <message>
        <source>updating factory presets...</source>
        <translation>ファクトリープリセットを更新しています...</translation>
    </message>
    <message>
        <source>Please perform a factory reset of your device.</source>
        <translation>本体を工場出荷時の状態にリセットしてください。</translation>
    </message>
    <message>
        <source>Factory preset file not found. Please re-install the application.</source>
        <translation>ファクトリープリセットファイルが見つかりません。アプリケーションを再インストールしてください。</translation>
    </message>
    <message>
        <source>Failed to update factory presets. Please try again.</source>
        <translation>ファクトリープリセットを更新できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Updating DSP Firmware.
Do not disconnect or power down the device.</source>
        <translation>DSP ファームウェアを更新しています。
本体の接続を外したり、電源を切ったりしないでください。</translation>
    </message>
    <message>
        <source>Do not power down the device until the Tessitra display says:
&quot;Done - Cycle power now&quot;.</source>
        <translation>Tessitra のディスプレイに次のように表示されるまで、本体の電源を切らないでください:
&quot;Done - Cycle power now&quot;。</translation>
    </message>
    <message>
        <source>Failed to update DSP Firmware.</source>
        <translation>DSP ファームウェアを更新できませんでした。</translation>
    </message>
    <message>
        <source>Updating uP Firmware.
Do not disconnect or power down the device.</source>
        <extracomment>uP: the unit&apos;s microcontroller</extracomment>
        <translation>マイコンのファームウェアを更新しています。
本体の接続を外したり、電源を切ったりしないでください。</translation>
    </message>
    <message>
        <source>Do not power down the device until  the Tessitra display says:
&quot;Done - Cycle power now&quot;.</source>
        <translation>Tessitra のディスプレイに次のように表示されるまで、本体の電源を切らないでください:
&quot;Done - Cycle power now&quot;。</translation>
    </message>
    <message>
        <source>Failed to update uP Firmware.</source>
        <translation>マイコンのファームウェアを更新できませんでした。</translation>
    </message>
    <message>
        <source>The unit was found but this user may not open it. Install the udev rule that comes with the librarian (the tessitra-stage-librarian package installs it), or reconnect the unit if the rule is already installed.</source>
        <translation>本体は見つかりましたが、このユーザーには開く権限がありません。ライブラリアンに付属の udev ルールをインストールしてください（tessitra-stage-librarian パッケージでインストールされます）。ルールがインストール済みの場合は、本体を接続し直してください。</translation>
    </message>
    <message>
        <source>The unit was found but another program is using it. Close that program, or reconnect the unit.</source>
        <translation>本体は見つかりましたが、別のプログラムが使用しています。そのプログラムを閉じるか、本体を接続し直してください。</translation>
    </message>
    <message>
        <source>The unit was found but went away before it could be opened. Check the USB cable and reconnect the unit.</source>
        <translation>本体は見つかりましたが、開く前に接続が切れました。USB ケーブルを確認して、本体を接続し直してください。</translation>
    </message>
    <message>
        <source>The unit was found but could not be opened. Reconnect the unit; the log file ui.log names the cause.</source>
        <translation>本体は見つかりましたが、開けませんでした。本体を接続し直してください。原因はログファイル ui.log に記録されています。</translation>
    </message>
    <message>
        <source>Nothing was written; the unit holds its presets as before.</source>
        <translation>何も書き込まれていません。本体のプリセットは以前のままです。</translation>
    </message>
    <message>
        <source>%1 of %2 user presets were written; the unit holds a mix of old and restored presets. Restore the back-up again.</source>
        <translation>ユーザープリセット %2 個中 %1 個を書き込みました。本体には古いプリセットと復元したプリセットが混在しています。バックアップをもう一度復元してください。</translation>
    </message>
    <message>
        <source>The unit was disconnected during the restore.</source>
        <translation>復元中に本体の接続が切れました。</translation>
    </message>
    <message>
        <source>%1 of %2 user presets were written, so it holds a mix of old and restored presets.</source>
        <translation>ユーザープリセット %2 個中 %1 個を書き込んだため、本体には古いプリセットと復元したプリセットが混在しています。</translation>
    </message>
    <message>
        <source>All %1 user presets were written, but not all set lists.</source>
        <translation>ユーザープリセット %1 個はすべて書き込みましたが、書き込まれていないセットリストがあります。</translation>
    </message>
    <message>
        <source>All %1 user presets and the set lists were written, but not the system parameters.</source>
        <translation>ユーザープリセット %1 個とセットリストは書き込みましたが、システムパラメーターは書き込まれていません。</translation>
    </message>
    <message>
        <source>When the unit answers again, the librarian offers to put back the state from before the restore.</source>
        <translation>本体が再び応答したら、復元前の状態に戻すかどうかをライブラリアンが確認します。</translation>
    </message>
    <message>
        <source>Connect it again and restore the back-up again.</source>
        <translation>本体を接続し直して、バックアップをもう一度復元してください。</translation>
    </message>
    <message>
        <source>%1 is not a %2 back-up. Nothing was changed.</source>
        <translation>%1 は %2 のバックアップではありません。何も変更されていません。</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged. Nothing was changed.</source>
        <translation>%1 は途中で切れているか、壊れています。何も変更されていません。</translation>
    </message>
    <message>
        <source>%1 of %2 factory presets were written; the unit holds a mix of old and new factory presets.</source>
        <translation>ファクトリープリセット %2 個中 %1 個を書き込みました。本体には古いファクトリープリセットと新しいファクトリープリセットが混在しています。</translation>
    </message>
    <message>
        <source>%1 of %2 bytes of the firmware image were sent; the unit holds no complete new firmware. Keep it powered, connect it again and update the firmware again.</source>
        <translation>ファームウェアイメージ %2 バイト中 %1 バイトを送信しました。本体には完全な新しいファームウェアがありません。電源を入れたまま本体を接続し直し、もう一度ファームウェアを更新してください。</translation>
    </message>
    <message>
        <source>Backing up the unit first...</source>
        <translation>先に本体をバックアップしています...</translation>
    </message>
    <message>
        <source>Nothing was changed: the unit could not be backed up first.</source>
        <translation>何も変更されていません: 先に本体をバックアップできませんでした。</translation>
    </message>
    <message>
        <source>Verification failed: %1 differs from what was written.</source>
        <extracomment>%1 names one slot, set list or the system parameters</extracomment>
        <translation>確認に失敗しました: %1 が書き込んだ内容と一致しません。</translation>
    </message>
    <message>
        <source>Verification failed: %1 differ from what was written.</source>
        <extracomment>%1 names several slots or set lists: &quot;U05 and U07&quot;</extracomment>
        <translation>確認に失敗しました: %1 が書き込んだ内容と一致しません。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two names of a list: &quot;U01, U02 and U03&quot;</extracomment>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>set list %1</source>
        <extracomment>%1 is the letter of the set list: A, B, C or D</extracomment>
        <translation>セットリスト %1</translation>
    </message>
    <message>
        <source>the system parameters</source>
        <translation>システムパラメーター</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>元に戻す操作はありません。</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>やり直す操作はありません。</translation>
    </message>
    <message>
        <source>%1 no longer holds what &quot;%2&quot; wrote: it was changed since (on the unit, by another program or by a restore). Nothing was changed.</source>
        <extracomment>%1 is one slot or set list, %3 the step being undone (&quot;copy F03 to U90&quot;)</extracomment>
        <translation>%1 の内容は「%2」で書き込んだものではなくなっています。その後に変更されました（本体上で、別のプログラムで、または復元で）。何も変更されていません。</translation>
    </message>
    <message>
        <source>%1 no longer hold what &quot;%2&quot; wrote: it was changed since (on the unit, by another program or by a restore). Nothing was changed.</source>
        <extracomment>%1 names several slots or set lists, %2 the step being undone (&quot;copy F03 to U90&quot;)</extracomment>
        <translation>%1 の内容は「%2」で書き込んだものではなくなっています。その後に変更されました（本体上で、別のプログラムで、または復元で）。何も変更されていません。</translation>
    </message>
    <message>
        <source>%1 no longer holds what was there before &quot;%2&quot;: it was changed since. Nothing was changed.</source>
        <translation>%1 の内容は「%2」の前の内容ではなくなっています。その後に変更されました。何も変更されていません。</translation>
    </message>
    <message>
        <source>%1 no longer hold what was there before &quot;%2&quot;: it was changed since. Nothing was changed.</source>
        <translation>%1 の内容は「%2」の前の内容ではなくなっています。その後に変更されました。何も変更されていません。</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>「%1」を元に戻しました。</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>「%1」をやり直しました。</translation>
    </message>
    <message>
        <source>copy %1 to %2</source>
        <extracomment>The steps the undo history names, after &quot;Undo: &quot; in the Edit menu: copy F03 to U90</extracomment>
        <translation>%1 を %2 にコピー</translation>
    </message>
    <message>
        <source>load %1 to %2</source>
        <translation>%1 を %2 にロード</translation>
    </message>
    <message>
        <source>rename %1 to %2</source>
        <translation>%1 の名前を %2 に変更</translation>
    </message>
    <message>
        <source>change %1</source>
        <translation>%1 を変更</translation>
    </message>
    <message>
        <source>restore %1 from %2</source>
        <translation>%2 から %1 を復元</translation>
    </message>
    <message>
        <source>Restoring %1 from %2...</source>
        <translation>%2 から %1 を復元しています...</translation>
    </message>
    <message>
        <source>Restored %1 from %2.</source>
        <translation>%2 から %1 を復元しました。</translation>
    </message>
    <message>
        <source>%1 does not hold %2. Nothing was changed.</source>
        <translation>%1 には %2 が含まれていません。何も変更されていません。</translation>
    </message>
    <message>
        <source>The undo journal was damaged or made for another unit and was not used. It was set aside as %1.</source>
        <translation>元に戻す履歴のファイルが壊れているか、別の本体用だったため、使用しませんでした。%1 として退避しました。</translation>
    </message>
    <message>
        <source>The undo journal cannot be read and was not used.</source>
        <translation>元に戻す履歴のファイルを読み込めないため、使用しませんでした。</translation>
    </message>
    <message>
        <source>Could not parse the update info in server.</source>
        <translation>サーバーの更新情報を解析できませんでした。</translation>
    </message>
    <message>
        <source>No update found.</source>
        <translation>更新は見つかりませんでした。</translation>
    </message>
    <message>
        <source>Device firmware is up to date.</source>
        <translation>本体のファームウェアは最新です。</translation>
    </message>
    <message>
        <source>Application is up to date.</source>
        <translation>アプリケーションは最新です。</translation>
    </message>
    <message>
        <source>Connection to update server cannot be made.</source>
        <translation>アップデートサーバーに接続できません。</translation>
    </message>
    <message>
        <source>Fimware update not supported for this device.</source>
        <translation>この本体はファームウェアの更新に対応していません。</translation>
    </message>
    <message>
        <source>Failed to fetch info from update server!</source>
        <translation>アップデートサーバーから情報を取得できませんでした！</translation>
    </message>
    <message>
        <source>Download finished.</source>
        <translation>ダウンロードが完了しました。</translation>
    </message>
    <message>
        <source>Updating firmware...</source>
        <translation>ファームウェアを更新しています...</translation>
    </message>
    <message>
        <source>The update info from the server is not signed.</source>
        <translation>サーバーの更新情報に署名がありません。</translation>
    </message>
    <message>
        <source>The update info from the server failed its signature check.</source>
        <translation>サーバーの更新情報の署名を確認できませんでした。</translation>
    </message>
    <message>
        <source>The update info from the server lacks the size or SHA-256 of an image.</source>
        <translation>サーバーの更新情報に、イメージのサイズまたは SHA-256 がありません。</translation>
    </message>
    <message>
        <source>The update server must be reached over https.</source>
        <translation>アップデートサーバーには https で接続する必要があります。</translation>
    </message>
    <message>
        <source>The download does not match the update info from the server. It was deleted.</source>
        <translation>ダウンロードしたファイルがサーバーの更新情報と一致しないため、削除しました。</translation>
    </message>
    <message>
        <source>The download could not be saved. Check the free space in the downloads folder.</source>
        <translation>ダウンロードしたファイルを保存できませんでした。ダウンロードフォルダーの空き容量を確認してください。</translation>
    </message>
    <message>
        <source>This download was not offered by the update server.</source>
        <translation>このダウンロードはアップデートサーバーが提供したものではありません。</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>何も変更されていません。</translation>
    </message>
    <message>
        <source>See &apos;tessitra %1 --help&apos;.</source>
        <translation>&apos;tessitra %1 --help&apos; を参照してください。</translation>
    </message>
    <message>
        <source>See &apos;tessitra --help&apos;.</source>
        <translation>&apos;tessitra --help&apos; を参照してください。</translation>
    </message>
    <message>
        <source>No unit found. Connect the unit and switch it on.</source>
        <translation>本体が見つかりません。本体を接続して電源を入れてください。</translation>
    </message>
    <message>
        <source>The Tessitra Stage Librarian window is using the unit. Close it and try again.</source>
        <translation>Tessitra Stage Librarian のウィンドウが本体を使用しています。ウィンドウを閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Another tessitra command is using the unit. Wait for it to end and try again.</source>
        <translation>別の tessitra コマンドが本体を使用しています。終了するのを待ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 changes what the unit holds: give --yes to confirm when not run from a terminal.</source>
        <translation>%1 は本体の内容を変更します。ターミナル以外から実行するときは、確認として --yes を付けてください。</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>停止しました。</translation>
    </message>
    <message>
        <source>Stopped. The operation&apos;s last words: %1</source>
        <translation>停止しました。操作の最後のメッセージ: %1</translation>
    </message>
    <message>
        <source>stopping: the operation ends at its next record or packet (Ctrl-C again ends the program at once, leaving the unit as it is then).</source>
        <translation>停止中: 次のレコードまたはパケットで操作を終了します（もう一度 Ctrl+C を押すとすぐにプログラムを終了し、本体はその時点の状態のままになります）。</translation>
    </message>
    <message>
        <source>A write to the unit cannot be stopped safely; it will finish first (Ctrl-C again ends the program at once, leaving the unit half written).</source>
        <translation>本体への書き込みは安全に中止できないため、最後まで行います（もう一度 Ctrl+C を押すとすぐにプログラムを終了し、本体は書き込み途中の状態になります）。</translation>
    </message>
    <message>
        <source>The unit was backed up before it started; to put it back: tessitra restore &quot;%1&quot;</source>
        <translation>開始前に本体をバックアップしました。元に戻すには: tessitra restore &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The factory bank was kept before it started; to put it back: tessitra factory-update &quot;%1&quot;</source>
        <translation>開始前にファクトリープリセットを保存しました。元に戻すには: tessitra factory-update &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Scripts the preset librarian of a Tessitra Stage Ariette or Stage Cadenzo connected over USB: the same
operations as the Tessitra Stage Librarian window, with the same automatic back-ups and checks.
Slots are written as the window shows them: U01 to U100 (user presets), F01 to F100 (factory presets).

Options:
  --bus DIR   talk to the virtual units plugged into the bus folder DIR (default: $TESSITRA_VIRTUAL_BUS,
              or the real USB units when neither is given)
  --json      print the result as JSON on standard output, and an error as {&quot;error&quot;: ..., &quot;exit&quot;: ...}
  --yes       do what a command would ask to confirm (needed when standard input is not a terminal)
  --help      this text; `tessitra COMMAND --help` describes one command
  --version   the version of tessitra

Commands:
</source>
        <translation>USB で接続した Tessitra Stage Ariette または Stage Cadenzo のプリセットをスクリプトから管理します。
Tessitra Stage Librarian のウィンドウと同じ操作を、同じ自動バックアップとチェック付きで行えます。
スロットはウィンドウと同じく U01〜U100（ユーザープリセット）、F01〜F100（ファクトリープリセット）と
書きます。

オプション:
  --bus DIR   バスフォルダー DIR に接続された仮想の本体と通信します（既定: $TESSITRA_VIRTUAL_BUS。
              どちらもなければ USB で接続された実際の本体）
  --json      結果を JSON で標準出力に出力し、エラーは {&quot;error&quot;: ..., &quot;exit&quot;: ...} の形で出力します
  --yes       コマンドが確認を求める操作をそのまま実行します（標準入力がターミナルでないときに必要）
  --help      このテキストを表示します。`tessitra COMMAND --help` で各コマンドの説明を表示します
  --version   tessitra のバージョンを表示します

コマンド:
</translation>
    </message>
    <message>
        <source>
Exit codes:
  0  success
  1  the operation failed (for example not allowed on this model, or the update server not reached)
  2  bad usage
  3  no unit connected
  4  several units connected
  5  communication with the unit failed
  6  a file is missing, damaged or made for another model
  7  the unit does not hold what was written to it
  8  refused: not confirmed, or --yes missing without a terminal
  9  the unit is in use by the Tessitra Stage Librarian window or another tessitra
  10  an undo or redo found a slot changed since it was written: nothing was written
  130  stopped by Ctrl-C: a read, back-up or save ends at its next record or packet and says how far it
       got; a write to the unit finishes first and ends with its own code
</source>
        <translation>
終了コード:
  0  成功
  1  操作に失敗した（例: このモデルではできない操作、アップデートサーバーに接続できない）
  2  使い方の誤り
  3  本体が接続されていない
  4  複数の本体が接続されている
  5  本体との通信に失敗した
  6  ファイルがない、壊れている、または別のモデル用
  7  本体の内容が書き込んだものと一致しない
  8  拒否: 確認されなかった、またはターミナル外で --yes がない
  9  本体が Tessitra Stage Librarian のウィンドウまたは別の tessitra で使用中
  10  元に戻す/やり直しで、書き込み後に変更されたスロットが見つかった: 何も書き込んでいない
  130  Ctrl+C で停止: 読み込み、バックアップ、保存は次のレコードまたはパケットで終了し、
       どこまで進んだかを表示する。本体への書き込みは最後まで行い、その結果のコードで終了する
</translation>
    </message>
    <message>
        <source>Shows model, identity and versions</source>
        <translation>モデル、識別情報、バージョンを表示</translation>
    </message>
    <message>
        <source>Shows the connected unit: model, identity and versions.</source>
        <translation>接続中の本体のモデル、識別情報、バージョンを表示します。</translation>
    </message>
    <message>
        <source>Lists presets or a set list</source>
        <translation>プリセットまたはセットリストを一覧表示</translation>
    </message>
    <message>
        <source>Lists the user presets (the default), the factory presets, the favourites or set list A to D.</source>
        <translation>ユーザープリセット（既定）、ファクトリープリセット、お気に入り、セットリスト A〜D のいずれかを一覧表示します。</translation>
    </message>
    <message>
        <source>Backs the unit up into a file</source>
        <translation>本体をファイルにバックアップ</translation>
    </message>
    <message>
        <source>Backs up the user presets, set lists and system parameters into FILE (a .tarb or .tscb file).</source>
        <translation>ユーザープリセット、セットリスト、システムパラメーターを FILE（.tarb または .tscb ファイル）にバックアップします。</translation>
    </message>
    <message>
        <source>Puts a back-up, or chosen parts of it, into the unit</source>
        <translation>バックアップの全体または一部を本体に復元</translation>
    </message>
    <message>
        <source>Puts a back-up file back into the unit, replacing every user preset, the set lists and the system
parameters. Asks first; an automatic back-up of the unit is taken before it starts.
With --only SLOT... (user slots), --setlists LIST (favourites, A, B, C, D or all, separated by commas)
or --sysparams only those are written, each read back, and can be undone like a load (the system
parameters are not in the undo history: an automatic back-up is taken first for them).</source>
        <translation>バックアップファイルを本体に復元し、すべてのユーザープリセット、セットリスト、
システムパラメーターを置き換えます。実行前に確認し、開始前に本体の自動バックアップを作成します。
--only SLOT...（ユーザースロット）、--setlists LIST（favourites、A、B、C、D または all を
カンマ区切り）、--sysparams を指定すると、指定したものだけを書き込んで 1 つずつ読み返し、
ロードと同じように元に戻せます（システムパラメーターは元に戻す履歴に入らないため、
先に自動バックアップを作成します）。</translation>
    </message>
    <message>
        <source>Compares the unit or a back-up with a back-up</source>
        <translation>本体またはバックアップをバックアップと比較</translation>
    </message>
    <message>
        <source>Compares the unit with the back-up FILE (the unit is read as a back-up reads it), or the back-ups FILE
and FILE2 (no unit needed). One line per user slot, set list and the system parameters that
differ, with its mark: settings (same name, other parameters), renamed (other name), changed
(a set list or the system parameters), missing (one side holds none); --all lists the same ones too.
Differences are no failure: the exit code is 0.</source>
        <translation>本体とバックアップ FILE を比較します（本体はバックアップと同じ方法で読み込みます）。
または、バックアップ FILE と FILE2 を比較します（本体は不要）。違いのあるユーザースロット、
セットリスト、システムパラメーターごとに 1 行を、次のマーク付きで表示します:
settings（名前は同じでパラメーターが異なる）、renamed（名前が異なる）、
changed（セットリストまたはシステムパラメーター）、missing（片方にない）。
--all を付けると同じもの（same）も表示します。違いがあっても失敗ではありません: 終了コードは 0 です。</translation>
    </message>
    <message>
        <source>Finds presets by name in back-ups and files</source>
        <translation>バックアップとファイルからプリセットを名前で検索</translation>
    </message>
    <message>
        <source>Lists every back-up and preset file under FOLDER (default: both models&apos; preset and back-up folders)
that holds a preset whose name contains TEXT, newest file first: file, slot, name. No unit is needed;
exit 1 when no preset matches.</source>
        <translation>FOLDER（既定: 両モデルのプリセットフォルダーとバックアップフォルダー）以下の
バックアップファイルとプリセットファイルから、名前に TEXT を含むプリセットがあるものを、
新しいファイルから順に「ファイル、スロット、名前」で一覧表示します。本体は不要です。
一致するプリセットがなければ終了コード 1 で終了します。</translation>
    </message>
    <message>
        <source>Saves presets to preset files</source>
        <translation>プリセットをプリセットファイルに保存</translation>
    </message>
    <message>
        <source>Saves presets of the unit to preset files in DIR (default: the current folder; made when missing),
named as the window names them (&quot;U01_Rock Lead.tarp&quot;).</source>
        <translation>本体のプリセットを DIR（既定: カレントフォルダー。なければ作成）にプリセットファイルとして保存します。
ファイル名はウィンドウと同じ形式です（&quot;U01_Rock Lead.tarp&quot;）。</translation>
    </message>
    <message>
        <source>Loads preset files into user slots</source>
        <translation>プリセットファイルをユーザースロットにロード</translation>
    </message>
    <message>
        <source>Loads preset files into the user slots from SLOT on, one slot per file. Asks before it overwrites.</source>
        <translation>プリセットファイルを SLOT から順に 1 ファイル 1 スロットずつユーザースロットにロードします。上書き前に確認します。</translation>
    </message>
    <message>
        <source>Copies a preset onto a user slot</source>
        <translation>プリセットをユーザースロットにコピー</translation>
    </message>
    <message>
        <source>Copies preset FROM onto user slot TO (for example: copy F03 U90). Asks first.</source>
        <translation>プリセット FROM をユーザースロット TO にコピーします（例: copy F03 U90）。実行前に確認します。</translation>
    </message>
    <message>
        <source>Renames a user preset</source>
        <translation>ユーザープリセットの名前を変更</translation>
    </message>
    <message>
        <source>Gives user preset SLOT a new name. Asks first.</source>
        <translation>ユーザープリセット SLOT の名前を変更します。実行前に確認します。</translation>
    </message>
    <message>
        <source>Fills a set list</source>
        <translation>セットリストを設定</translation>
    </message>
    <message>
        <source>Makes the set list hold exactly the presets given, in order (at most 20); the other slots are emptied.
Asks first.</source>
        <translation>指定したプリセットだけを指定した順にセットリストに入れます（最大 20 個）。ほかのスロットは空になります。
実行前に確認します。</translation>
    </message>
    <message>
        <source>Undoes the last copy, load, rename or set-list change</source>
        <translation>直前のコピー、ロード、名前の変更、セットリストの変更を元に戻す</translation>
    </message>
    <message>
        <source>Puts back what the last copy, load, rename or set-list change overwrote, as the window&apos;s Undo does (up to
20 steps back, kept per unit). A slot changed since is left alone: exit 10, or a second question
on a terminal. Asks first.</source>
        <translation>直前のコピー、ロード、名前の変更、セットリストの変更で上書きされた内容を、
ウィンドウの「元に戻す」と同じように書き戻します（本体ごとに最大 20 ステップ）。
その後に変更されたスロットはそのままにします: 終了コード 10、またはターミナルではもう一度確認します。
実行前に確認します。</translation>
    </message>
    <message>
        <source>Writes again what the last undo took away</source>
        <translation>直前に元に戻した操作をやり直す</translation>
    </message>
    <message>
        <source>Writes again what the last undo took away, while the slots still hold what the undo put there.
Asks first.</source>
        <translation>直前の「元に戻す」で取り消した内容を、スロットが元に戻した時点のままであれば、もう一度書き込みます。
実行前に確認します。</translation>
    </message>
    <message>
        <source>Rewrites a Cadenzo&apos;s factory presets</source>
        <translation>Cadenzo のファクトリープリセットを書き換え</translation>
    </message>
    <message>
        <source>Rewrites the factory presets of a Stage Cadenzo from FactoryPresets.dat in its data folder,
or from FILE, a factory bank kept before an earlier rewrite. Asks first.</source>
        <translation>Stage Cadenzo のファクトリープリセットを、データフォルダーの FactoryPresets.dat の内容に書き換えます。
または、以前の書き換えの前に保存したファクトリープリセットのファイル FILE の内容に書き換えます。
実行前に確認します。</translation>
    </message>
    <message>
        <source>Writes firmware images into the unit</source>
        <translation>ファームウェアイメージを本体に書き込み</translation>
    </message>
    <message>
        <source>Writes firmware images into the unit: .ldr files are DSP images, .bin files microcontroller images.
Asks first; an automatic back-up of the unit is taken before each image.</source>
        <translation>ファームウェアイメージを本体に書き込みます: .ldr ファイルは DSP 用、.bin ファイルはマイコン用です。
実行前に確認し、各イメージの前に本体の自動バックアップを作成します。</translation>
    </message>
    <message>
        <source>Asks for newer firmware</source>
        <translation>新しいファームウェアを確認</translation>
    </message>
    <message>
        <source>Asks the update server whether newer firmware exists for the unit.</source>
        <translation>本体の新しいファームウェアがあるかどうか、アップデートサーバーに問い合わせます。</translation>
    </message>
    <message>
        <source>%1: File not found.</source>
        <translation>%1: ファイルが見つかりません。</translation>
    </message>
    <message>
        <source>%1 is not a back-up file.</source>
        <translation>%1 はバックアップファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged.</source>
        <translation>%1 は途中で切れているか、壊れています。</translation>
    </message>
    <message>
        <source>%1 is not a user slot of this unit (U01 to U%2)</source>
        <translation>%1 はこの本体のユーザースロットではありません（U01〜U%2）</translation>
    </message>
    <message>
        <source>%1 is not a slot of this unit (U01 to U%2, F01 to F%2)</source>
        <translation>%1 はこの本体のスロットではありません（U01〜U%2、F01〜F%2）</translation>
    </message>
    <message>
        <source>list takes one of user, factory, favourites, A, B, C, D</source>
        <translation>list には user、factory、favourites、A、B、C、D のいずれかを指定します</translation>
    </message>
    <message>
        <source>backup takes one FILE</source>
        <translation>backup には FILE を 1 つ指定します</translation>
    </message>
    <message>
        <source>restore takes one FILE</source>
        <translation>restore には FILE を 1 つ指定します</translation>
    </message>
    <message>
        <source>Restore %1? Every user preset, the set lists and the system parameters of the unit are replaced.</source>
        <translation>%1 を復元しますか？本体のユーザープリセット、セットリスト、システムパラメーターがすべて置き換えられます。</translation>
    </message>
    <message>
        <source>--only takes one SLOT or more</source>
        <translation>--only には SLOT を 1 つ以上指定します</translation>
    </message>
    <message>
        <source>--setlists takes favourites, A, B, C, D or all, separated by commas</source>
        <translation>--setlists には favourites、A、B、C、D または all をカンマ区切りで指定します</translation>
    </message>
    <message>
        <source>Put back %1 from %2? The unit&apos;s own are replaced.</source>
        <translation>%2 から %1 を書き戻しますか？本体の現在の内容は置き換えられます。</translation>
    </message>
    <message>
        <source>find takes TEXT and, optionally, FOLDER...</source>
        <translation>find には TEXT と、必要に応じて FOLDER... を指定します</translation>
    </message>
    <message>
        <source>No preset named like &quot;%1&quot; was found.</source>
        <translation>名前に「%1」を含むプリセットは見つかりませんでした。</translation>
    </message>
    <message>
        <source>diff takes FILE (against the unit) or FILE1 FILE2</source>
        <translation>diff には FILE（本体と比較）または FILE1 FILE2 を指定します</translation>
    </message>
    <message>
        <source>%1 is not a %2 back-up.</source>
        <translation>%1 は %2 のバックアップではありません。</translation>
    </message>
    <message>
        <source>Cannot make a temporary folder.</source>
        <translation>一時フォルダーを作成できません。</translation>
    </message>
    <message>
        <source>%1 and %2 are back-ups of different models.</source>
        <translation>%1 と %2 は異なるモデルのバックアップです。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>save takes one SLOT or more</source>
        <translation>save には SLOT を 1 つ以上指定します</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>load takes one FILE or more and --to SLOT</source>
        <translation>load には FILE を 1 つ以上と --to SLOT を指定します</translation>
    </message>
    <message>
        <source>%1 files from %2 do not fit in the user slots</source>
        <translation>%2 から %1 個のファイルを入れるには、ユーザースロットが足りません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets %1 with %2?</source>
        <translation>プリセット %1 を %2 で上書きしますか？</translation>
    </message>
    <message>
        <source>copy takes FROM and TO</source>
        <translation>copy には FROM と TO を指定します</translation>
    </message>
    <message>
        <source>rename takes SLOT and NAME</source>
        <translation>rename には SLOT と NAME を指定します</translation>
    </message>
    <message>
        <source>a name on this unit has 1 to %1 characters</source>
        <translation>この本体のプリセット名は 1〜%1 文字です</translation>
    </message>
    <message>
        <source>a name holds Latin-1 letters, digits, spaces and signs only</source>
        <translation>名前に使えるのは Latin-1 の文字、数字、スペース、記号だけです</translation>
    </message>
    <message>
        <source>Rename %1 to &quot;%2&quot;?</source>
        <translation>%1 の名前を「%2」に変更しますか？</translation>
    </message>
    <message>
        <source>setlist takes a list (A, B, C, D or favourites) and 1 to 20 SLOTs</source>
        <translation>setlist にはリスト（A、B、C、D または favourites）と 1〜20 個の SLOT を指定します</translation>
    </message>
    <message>
        <source>%1 is not a set list (A, B, C, D or favourites)</source>
        <translation>%1 はセットリストではありません（A、B、C、D または favourites）</translation>
    </message>
    <message>
        <source>Make %1 hold %2, and empty its other slots?</source>
        <translation>%1 に %2 を入れ、ほかのスロットを空にしますか？</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 には引数を指定できません</translation>
    </message>
    <message>
        <source>Write again what the last undo took away?</source>
        <translation>直前の「元に戻す」で取り消した内容を、もう一度書き込みますか？</translation>
    </message>
    <message>
        <source>Put back what the last copy, load, rename or set-list change overwrote?</source>
        <translation>直前のコピー、ロード、名前の変更、セットリストの変更で上書きされた内容を書き戻しますか？</translation>
    </message>
    <message>
        <source>Overwrite it anyway?</source>
        <translation>それでも上書きしますか？</translation>
    </message>
    <message>
        <source>factory-update takes at most one FILE</source>
        <translation>factory-update に指定できる FILE は 1 つまでです</translation>
    </message>
    <message>
        <source>Rewrite the factory presets of the unit?</source>
        <translation>本体のファクトリープリセットを書き換えますか？</translation>
    </message>
    <message>
        <source>firmware takes one FILE or more</source>
        <translation>firmware には FILE を 1 つ以上指定します</translation>
    </message>
    <message>
        <source>%1: neither a DSP image (.ldr) nor a microcontroller image (.bin).</source>
        <translation>%1: DSP イメージ（.ldr）でもマイコンイメージ（.bin）でもありません。</translation>
    </message>
    <message>
        <source>Write %1 into the unit? Do not disconnect or power down the device while it runs.</source>
        <translation>%1 を本体に書き込みますか？書き込み中は、本体の接続を外したり、電源を切ったりしないでください。</translation>
    </message>
    <message>
        <source>check-update takes no arguments</source>
        <translation>check-update には引数を指定できません</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1, %2
</source>
        <translation>新しいファームウェアがあります。
現在: %1, %2
</translation>
    </message>
    <message>
        <source>New DSP:      %1  %2
</source>
        <translation>新しい DSP:           %1  %2
</translation>
    </message>
    <message>
        <source>New firmware: %1  %2
</source>
        <translation>新しいファームウェア: %1  %2
</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>不明なコマンドです: %1</translation>
    </message>
    <message>
        <source>--to belongs to save and load</source>
        <translation>--to は save と load のオプションです</translation>
    </message>
    <message>
        <source>--only, --setlists and --sysparams belong to restore</source>
        <translation>--only、--setlists、--sysparams は restore のオプションです</translation>
    </message>
    <message>
        <source>--all belongs to diff</source>
        <translation>--all は diff のオプションです</translation>
    </message>
    <message>
        <source>usage: tessitra [--bus DIR] [--json] [--yes] COMMAND [ARGUMENTS]
</source>
        <extracomment>The words in capitals and the options stand for what is typed: keep them as they are</extracomment>
        <translation>使い方: tessitra [--bus DIR] [--json] [--yes] COMMAND [ARGUMENTS]
</translation>
    </message>
    <message>
        <source>usage: tessitra [--bus DIR] [--json] [--yes] %1</source>
        <extracomment>One command&apos;s usage: %1 is what follows the command&apos;s name, as &quot;list [user|factory|favourites|A|B|C|D]&quot;</extracomment>
        <translation>使い方: tessitra [--bus DIR] [--json] [--yes] %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプションです: %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>%1 into %2</source>
        <extracomment>a back-up&apos;s preset put into another user slot of the unit: &quot;U08 into U10&quot;</extracomment>
        <translation>%1 → %2</translation>
    </message>
</context>
</TS>
