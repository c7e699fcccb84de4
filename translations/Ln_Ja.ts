<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CCheckNew</name>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="14"/>
        <source>Check for New Version</source>
        <translation>新しいバージョンを確認</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="61"/>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="68"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="191"/>
        <source>Brandquill will now look for a newer version on the Internet. You can change how often it checks, or turn the check off, in Settings.</source>
        <translation>Brandquill はインターネットで新しいバージョンを確認します。確認の頻度の変更や確認の停止は [設定] で行えます。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="246"/>
        <source>A new version of Brandquill is available: %1.
You are using version %2.</source>
        <translation>Brandquill の新しいバージョン %1 が利用可能です。
現在お使いのバージョンは %2 です。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="249"/>
        <source>You are using the latest version of Brandquill (%1).</source>
        <translation>最新バージョンの Brandquill (%1) をお使いです。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="259"/>
        <source>Could not check for a new version. Please try again later.</source>
        <translation>新しいバージョンを確認できませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>CControlImage</name>
    <message>
        <location filename="../Project/Views/ControlImage.cpp" line="356"/>
        <source>This photo cannot be read.</source>
        <translation>この写真を読み込めません。</translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="399"/>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="432"/>
        <source>Applying &apos;%1&apos; filter</source>
        <translation>&apos;%1&apos; フィルターを適用中</translation>
    </message>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="486"/>
        <source>Zooming</source>
        <translation>ズーム中</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="14"/>
        <source>About Brandquill</source>
        <translation>Brandquill について</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="66"/>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="79"/>
        <source>Batch photo editing in three steps: add your photos, choose the edits, process them all at once.</source>
        <translation>3 つのステップで写真を一括編集: 写真を追加し、編集内容を選び、すべてをまとめて処理します。</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="89"/>
        <source>Qt %1, ImageMagick %2</source>
        <translation>Qt %1、ImageMagick %2</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="138"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDialogFilterSelection</name>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="26"/>
        <source>Select Filter</source>
        <translation>フィルターの選択</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="55"/>
        <source>All Filters</source>
        <translation>すべてのフィルター</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="80"/>
        <source>Marks</source>
        <translation>マーク</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="105"/>
        <source>Decorate</source>
        <translation>装飾</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="130"/>
        <source>Transform</source>
        <translation>変形</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="189"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="199"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../Project/Filters/DialogFilterSelection.cpp" line="141"/>
        <source>No filter selected</source>
        <translation>フィルターが選択されていません</translation>
    </message>
</context>
<context>
    <name>CDialogFont</name>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="10"/>
        <location filename="../Project/Forms/CDialogFont.ui" line="21"/>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="35"/>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="57"/>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="63"/>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="68"/>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="73"/>
        <source>Strike Out</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="110"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="116"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CDialogGSWarning</name>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="14"/>
        <source>Ghostscript</source>
        <translation>Ghostscript</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="20"/>
        <source>Reading this document type needs Ghostscript, which could not be found.</source>
        <translation>この種類のドキュメントを読み込むには Ghostscript が必要ですが、見つかりませんでした。</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="45"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="26"/>
        <source>Overwrite?</source>
        <translation>上書きしますか?</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="216"/>
        <source>Y&amp;es</source>
        <translation>はい(&amp;E)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="226"/>
        <source>N&amp;o</source>
        <translation>いいえ(&amp;O)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="236"/>
        <source>&amp;Rename</source>
        <translation>名前の変更(&amp;R)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="250"/>
        <source>&amp;Yes to All</source>
        <translation>全てはい(&amp;Y)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="260"/>
        <source>&amp;No to All</source>
        <translation>全ていいえ(&amp;N)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="270"/>
        <source>&amp;Abort</source>
        <translation>中止(&amp;A)</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogOverwrite.cpp" line="84"/>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation>画像 %1
は既に存在します。上書きしますか?</translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="14"/>
        <source>Rename Photo</source>
        <translation>写真の名前を変更</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="22"/>
        <source>New name:</source>
        <translation>新しい名前:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="56"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="66"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogOverwriteRename.cpp" line="70"/>
        <source>A photo with the same name already exists</source>
        <translation>同じ名前の写真が既に存在します</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSave</name>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="26"/>
        <source>Profile&apos;s Properties</source>
        <translation>プロファイルのプロパティ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="35"/>
        <source>Specify a name and description for this profile</source>
        <translation>このプロファイルの名前と説明を入力してください</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="53"/>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="73"/>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="107"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="117"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSave.cpp" line="43"/>
        <source>Please specify a name for the new profile</source>
        <translation>新しいプロファイルの名前を入力してください</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSelection</name>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="26"/>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="49"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="45"/>
        <source>All Profiles</source>
        <translation>すべてのプロファイル</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="74"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="46"/>
        <source>My Profiles</source>
        <translation>マイ プロファイル</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="99"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="47"/>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="124"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="48"/>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="186"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="196"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="237"/>
        <source>No profile selected</source>
        <translation>プロファイルが選択されていません</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="286"/>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="287"/>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="309"/>
        <source>Could not change the profile.</source>
        <translation>プロファイルを変更できませんでした。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="321"/>
        <source>Are you sure you want to delete this profile?</source>
        <translation>このプロファイルを削除してもよろしいですか?</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="326"/>
        <source>Could not delete the profile.</source>
        <translation>プロファイルを削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="20"/>
        <source>Edit Names</source>
        <translation>名前の編集</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="49"/>
        <source>Keywords</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="98"/>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="123"/>
        <source>Cases</source>
        <translation>大文字/小文字</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="144"/>
        <source>Change cases to</source>
        <translation>変換方法</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="152"/>
        <source>Unchanged</source>
        <translation>変更しない</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="157"/>
        <source>lowercases</source>
        <translation>小文字</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="162"/>
        <source>UPPERCASES</source>
        <translation>大文字</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="167"/>
        <source>Mixed Cases</source>
        <translation>先頭のみ大文字</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="188"/>
        <source>Use lower-case for extensions</source>
        <translation>拡張子を小文字にする</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="201"/>
        <location filename="../Project/Processing/CDialogRename.cpp" line="266"/>
        <source>Counter</source>
        <translation>カウンター</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="222"/>
        <source>Start at</source>
        <translation>開始値</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="242"/>
        <source>Step by</source>
        <translation>増分</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="262"/>
        <source>Digits</source>
        <translation>桁数</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="285"/>
        <location filename="../Project/Processing/CDialogRename.cpp" line="267"/>
        <source>Date/Time</source>
        <translation>日付/時刻</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="306"/>
        <source>Use</source>
        <translation>使用する日付</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="314"/>
        <source>Original photo date</source>
        <translation>写真の撮影日</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="319"/>
        <source>Current date</source>
        <translation>現在の日付</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="327"/>
        <source>Date format</source>
        <translation>日付の形式</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="398"/>
        <source>Time format</source>
        <translation>時刻の形式</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="424"/>
        <source>Show time as</source>
        <translation>時刻の表示</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="448"/>
        <source>Search &amp;&amp; Replace</source>
        <translation>検索と置換</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="469"/>
        <source>Search for</source>
        <translation>検索する文字列</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="480"/>
        <source>Replace with</source>
        <translation>置換後の文字列</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="509"/>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="529"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="539"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="263"/>
        <source>Source Filename</source>
        <translation>元のファイル名</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="264"/>
        <source>Source Folder Name</source>
        <translation>元のフォルダー名</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="265"/>
        <source>Source Extension</source>
        <translation>元の拡張子</translation>
    </message>
</context>
<context>
    <name>CDialogSaveProject</name>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="14"/>
        <source>Save Settings</source>
        <translation>設定の保存</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="32"/>
        <source>Your settings have changed. Would you like to save them as a profile before Brandquill closes?</source>
        <translation>設定が変更されました。Brandquill を終了する前に、プロファイルとして保存しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="60"/>
        <source>Don&apos;t ask me again</source>
        <translation>今後確認しない</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="80"/>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="90"/>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="100"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CDialogSearch</name>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="14"/>
        <source>Search and Add</source>
        <translation>検索して追加</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="25"/>
        <source>Folder:</source>
        <translation>フォルダー:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="45"/>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="55"/>
        <source>File mask:</source>
        <translation>ファイル マスク:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="115"/>
        <source>Search in subfolders</source>
        <translation>サブフォルダーも検索する</translation>
    </message>
</context>
<context>
    <name>CDialogSocial</name>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="14"/>
        <source>Share Brandquill</source>
        <translation>Brandquill を共有</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="26"/>
        <source>Enjoying Brandquill? Tell your friends about it.</source>
        <translation>Brandquill を気に入っていただけましたか? ぜひお友達に教えてください。</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="57"/>
        <source>E-mail a Friend</source>
        <translation>友達にメールで送る</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="82"/>
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="107"/>
        <source>Visit Web Site</source>
        <translation>Web サイトを表示</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="143"/>
        <source>Don&apos;t show this again</source>
        <translation>今後表示しない</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="163"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CDialogSocial.cpp" line="46"/>
        <source>Try Brandquill</source>
        <translation>Brandquill を試してみませんか</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CDialogSocial.cpp" line="48"/>
        <source>I edit many photos at once with Brandquill: %1</source>
        <translation>Brandquill で多くの写真を一度に編集しています: %1</translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="26"/>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="92"/>
        <source>Tip text</source>
        <translation>ヒントのテキスト</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="123"/>
        <source>Don&apos;t show this tip again</source>
        <translation>今後このヒントを表示しない</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="143"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDialogUnsupportedFormat</name>
    <message>
        <location filename="../Project/Forms/CDialogUnsupportedFormat.ui" line="14"/>
        <source>Unsupported Files</source>
        <translation>サポートされていないファイル</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogUnsupportedFormat.ui" line="23"/>
        <source>These files were not added because Brandquill cannot read their format:</source>
        <translation>次のファイルは、Brandquill が形式を読み取れないため追加されませんでした:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogUnsupportedFormat.ui" line="61"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CFilterCrop</name>
    <message>
        <location filename="../Project/Filters/FilterCrop.cpp" line="31"/>
        <source>Original image size:</source>
        <translation>元の画像サイズ:</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterCrop.cpp" line="33"/>
        <source>in Pixels</source>
        <translation>ピクセル単位</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterCrop.cpp" line="33"/>
        <source>in Percents</source>
        <translation>パーセント単位</translation>
    </message>
</context>
<context>
    <name>CFilterGrungeFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="30"/>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="52"/>
        <source>Draw over a transparent background</source>
        <translation>透明な背景に描画する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="57"/>
        <source>Apply random frame</source>
        <translation>ランダムなフレームを適用する</translation>
    </message>
</context>
<context>
    <name>CFilterLogo</name>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="39"/>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="75"/>
        <source>Logo Path</source>
        <translation>ロゴのパス</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="130"/>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="154"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="181"/>
        <source>Placement</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="233"/>
        <source>Delta X (px)</source>
        <translation>X 移動 (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="291"/>
        <source>Delta Y (px)</source>
        <translation>Y 移動 (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="349"/>
        <source>Tile</source>
        <translation>タイル</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="373"/>
        <source>Offset X</source>
        <translation>X 間隔</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="415"/>
        <source>Offset Y</source>
        <translation>Y 間隔</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="457"/>
        <source>Transformation</source>
        <translation>変形</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="484"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="895"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1117"/>
        <source>Alpha (%)</source>
        <translation>透明度 (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="542"/>
        <source>Scale (%)</source>
        <translation>倍率 (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="600"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1315"/>
        <source>Blur</source>
        <translation>ぼかし</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="642"/>
        <source>Rotation (°)</source>
        <translation>回転 (°)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="756"/>
        <source>More</source>
        <translation>詳細</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="789"/>
        <source>Stroke</source>
        <translation>縁取り</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="816"/>
        <source>Enable Stroke</source>
        <translation>縁取りを有効にする</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="840"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1062"/>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="953"/>
        <source>Width</source>
        <translation>太さ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1011"/>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1038"/>
        <source>Draw Shadow</source>
        <translation>影を描画する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1175"/>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1217"/>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Left</source>
        <translation>左上</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Center</source>
        <translation>中央上</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Right</source>
        <translation>右上</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Middle-Left</source>
        <translation>左中央</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Middle-Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Middle-Right</source>
        <translation>右中央</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Left</source>
        <translation>左下</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Center</source>
        <translation>中央下</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Right</source>
        <translation>右下</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="169"/>
        <source>Select Watermark Image</source>
        <translation>透かし画像の選択</translation>
    </message>
</context>
<context>
    <name>CFilterPictureFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="29"/>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="51"/>
        <source>Draw over a transparent background</source>
        <translation>透明な背景に描画する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="56"/>
        <source>Apply random frame</source>
        <translation>ランダムなフレームを適用する</translation>
    </message>
</context>
<context>
    <name>CFilterRaise</name>
    <message>
        <location filename="../Project/Filters/FilterRaise.cpp" line="28"/>
        <source>Lower</source>
        <translation>くぼみ</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRaise.cpp" line="28"/>
        <source>Raise</source>
        <translation>浮き出し</translation>
    </message>
</context>
<context>
    <name>CFilterResize</name>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="14"/>
        <location filename="../Project/Filters/FilterResize.cpp" line="41"/>
        <source>Original image size:</source>
        <translation>元の画像サイズ:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="19"/>
        <source>Resize</source>
        <translation>サイズ変更</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="33"/>
        <source>Dimensions</source>
        <translation>寸法</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="49"/>
        <source>Resize by</source>
        <translation>変更方法</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="65"/>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="91"/>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="114"/>
        <source>Maintain aspect ratio</source>
        <translation>縦横比を保持する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="119"/>
        <source>Don’t upscale images that are smaller
than specified size</source>
        <translation>指定したサイズより小さい画像は
拡大しない</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="43"/>
        <source>in Pixels</source>
        <translation>ピクセル単位</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="43"/>
        <source>in Percents</source>
        <translation>パーセント単位</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Width &amp; Height</source>
        <translation>幅 &amp; 高さ</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Width</source>
        <translation>幅を固定</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Height</source>
        <translation>高さを固定</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Width &amp; Height</source>
        <translation>幅 &amp; 高さを固定</translation>
    </message>
</context>
<context>
    <name>CFilterRotate</name>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="17"/>
        <source>Degrees</source>
        <translation>角度</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="52"/>
        <source>Rotate Left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="59"/>
        <source>Rotate Right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="75"/>
        <source>Condition</source>
        <translation>条件</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>All Photos</source>
        <translation>すべての写真</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>Only Portrait</source>
        <translation>縦向きのみ</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>Only Landscape</source>
        <translation>横向きのみ</translation>
    </message>
</context>
<context>
    <name>CFilterShapeFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="30"/>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="55"/>
        <source>Edges</source>
        <translation>エッジ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="76"/>
        <source>Draw over a transparent background</source>
        <translation>透明な背景に描画する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="81"/>
        <source>Apply random frame</source>
        <translation>ランダムなフレームを適用する</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterShapeFrame.cpp" line="23"/>
        <source>Sharp</source>
        <translation>シャープ</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterShapeFrame.cpp" line="23"/>
        <source>Blurred</source>
        <translation>ぼかし</translation>
    </message>
</context>
<context>
    <name>CFilterSimpleBorder</name>
    <message>
        <location filename="../Project/Filters/FilterSimpleBorder.cpp" line="32"/>
        <source>in Pixels</source>
        <translation>ピクセル単位</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterSimpleBorder.cpp" line="32"/>
        <source>in Percents</source>
        <translation>パーセント単位</translation>
    </message>
</context>
<context>
    <name>CFilterText</name>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="39"/>
        <location filename="../Project/Forms/CFilterText.ui" line="75"/>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="109"/>
        <source>Copyright [Copyright] Quorvelline</source>
        <translation>Copyright [Copyright] Quorvelline</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="134"/>
        <source>Add Keyword</source>
        <translation>キーワード追加</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="170"/>
        <location filename="../Project/Forms/CFilterText.ui" line="197"/>
        <source>Placement</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="249"/>
        <source>Delta X (px)</source>
        <translation>X 移動 (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="307"/>
        <source>Delta Y (px)</source>
        <translation>Y 移動 (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="365"/>
        <source>Tile</source>
        <translation>タイル</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="389"/>
        <source>Offset X</source>
        <translation>X 間隔</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="431"/>
        <source>Offset Y</source>
        <translation>Y 間隔</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="473"/>
        <source>Rotation (°)</source>
        <translation>回転 (°)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="571"/>
        <source>Line spacing (px)</source>
        <translation>行間 (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="645"/>
        <location filename="../Project/Forms/CFilterText.ui" line="681"/>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="708"/>
        <source>Type</source>
        <translation>書体</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="727"/>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="763"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1044"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1318"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1540"/>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="818"/>
        <source>Texture</source>
        <translation>テクスチャ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="837"/>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="862"/>
        <source>Cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="893"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1099"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1373"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1595"/>
        <source>Alpha (%)</source>
        <translation>透明度 (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="951"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1793"/>
        <source>Blur</source>
        <translation>ぼかし</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="993"/>
        <source>Stroke</source>
        <translation>縁取り</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1020"/>
        <source>Enable Stroke</source>
        <translation>縁取りを有効にする</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1157"/>
        <source>Width</source>
        <translation>太さ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1231"/>
        <source>More</source>
        <translation>詳細</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1267"/>
        <source>Box</source>
        <translation>ボックス</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1294"/>
        <source>Draw Bounding-Box</source>
        <translation>ボックスを描画する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1431"/>
        <source>Offset (%)</source>
        <translation>余白 (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1489"/>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1516"/>
        <source>Draw Shadow</source>
        <translation>影を描画する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1653"/>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1695"/>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Left</source>
        <translation>左揃え</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Center</source>
        <translation>中央揃え</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Right</source>
        <translation>右揃え</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Left</source>
        <translation>左上</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Center</source>
        <translation>中央上</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Right</source>
        <translation>右上</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Middle-Left</source>
        <translation>左中央</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Middle-Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Middle-Right</source>
        <translation>右中央</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Left</source>
        <translation>左下</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Center</source>
        <translation>中央下</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Right</source>
        <translation>右下</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="442"/>
        <source>Select Watermark Image</source>
        <translation>透かし画像の選択</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="454"/>
        <source>Copyright</source>
        <translation>著作権</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="455"/>
        <source>Registered</source>
        <translation>登録商標</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="456"/>
        <source>Trademark</source>
        <translation>商標</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="457"/>
        <source>Servicemark</source>
        <translation>サービスマーク</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="460"/>
        <source>Source Filename</source>
        <translation>元のファイル名</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="461"/>
        <source>Source Extension</source>
        <translation>元の拡張子</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="462"/>
        <source>Source Folder</source>
        <translation>元のフォルダー</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="463"/>
        <source>Source Path</source>
        <translation>元のパス</translation>
    </message>
</context>
<context>
    <name>CFilterVintageFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="29"/>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="51"/>
        <source>Draw over a transparent background</source>
        <translation>透明な背景に描画する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="56"/>
        <source>Apply random frame</source>
        <translation>ランダムなフレームを適用する</translation>
    </message>
</context>
<context>
    <name>CFormatSettings</name>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="48"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="83"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="196"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="309"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="509"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="824"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1024"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1183"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1442"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="54"/>
        <source>There are no settings for this format</source>
        <translation>この形式には設定がありません</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="123"/>
        <source>Default format</source>
        <translation>既定の形式</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="236"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="436"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="751"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1110"/>
        <source>Interlace Type</source>
        <translation>インターレース</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="349"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="549"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="923"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1282"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1482"/>
        <source>Size/Quality</source>
        <translation>サイズ/品質</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="636"/>
        <source>Fixed Size (KB)</source>
        <translation>固定サイズ (KB)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="692"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1369"/>
        <source>Colors/BitDepth</source>
        <translation>色数/ビット深度</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="864"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1223"/>
        <source>Compression</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1064"/>
        <source>Use best compression (slower writing speed)</source>
        <translation>最高の圧縮 (書き込みが遅くなります)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1573"/>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1596"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1606"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="114"/>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="142"/>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="382"/>
        <source>Load Profile</source>
        <translation>プロファイルの読み込み</translation>
    </message>
</context>
<context>
    <name>CFtpClient</name>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="53"/>
        <source>no answer within %1 s</source>
        <translation>%1 秒以内に応答がありません</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="180"/>
        <source>A name or account text holds a line break; it was not sent.</source>
        <translation>名前またはアカウントのテキストに改行が含まれているため、送信しませんでした。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="201"/>
        <source>The file cannot be read.</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="228"/>
        <source>Not connected.</source>
        <translation>接続されていません。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="276"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="284"/>
        <source>Aborted.</source>
        <translation>中止しました。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="325"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="351"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="356"/>
        <source>reply too long</source>
        <translation>応答が長すぎます</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="555"/>
        <source>listing too long</source>
        <translation>一覧が長すぎます</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="475"/>
        <source>the transfer ended before the whole file was sent</source>
        <translation>ファイル全体を送信する前に転送が終了しました</translation>
    </message>
</context>
<context>
    <name>CListThumb</name>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Top-Left</source>
        <translation>上-左</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Top-Right</source>
        <translation>上-右</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Bottom-Right</source>
        <translation>下-右</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Bottom-Left</source>
        <translation>下-左</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Left-Top</source>
        <translation>左-上</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Right-Top</source>
        <translation>右-上</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Right-Bottom</source>
        <translation>右-下</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Left-Bottom</source>
        <translation>左-下</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="153"/>
        <source>Uncalibrated</source>
        <translation>未校正</translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="13"/>
        <source>Photos</source>
        <translation>写真</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="54"/>
        <source>&amp;Add Photos</source>
        <translation>写真を追加(&amp;A)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="61"/>
        <source>A&amp;dd...</source>
        <translation>追加(&amp;D)...</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="68"/>
        <source>Re&amp;move</source>
        <translation>削除(&amp;M)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="75"/>
        <source>V&amp;iew</source>
        <translation>表示(&amp;I)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="88"/>
        <source>&amp;Show preview</source>
        <translation>プレビューを表示(&amp;S)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="71"/>
        <source>Add the photos you want to edit</source>
        <translation>編集する写真を追加します</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="73"/>
        <source>Go to Step 2 and define the edits you want to apply to your photos</source>
        <translation>ステップ 2 に進み、写真に適用する編集内容を指定します</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="109"/>
        <source>Drag &amp; Drop Your Photos Here</source>
        <translation>ここに写真をドロップします</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="110"/>
        <source>Or Click To Add Photos</source>
        <translation>またはクリックして写真を追加します</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="180"/>
        <source>Select Photo(s)</source>
        <translation>写真の選択</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="212"/>
        <source>Browse For Folder</source>
        <translation>フォルダーの参照</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="319"/>
        <source>No photos selected</source>
        <translation>写真が選択されていません</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="322"/>
        <source>Remove selected photo(s) from the list?</source>
        <translation>選択した写真を一覧から削除しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="370"/>
        <source>Remove all photos from the list?</source>
        <translation>すべての写真を一覧から削除しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="400"/>
        <source>&amp;Folder</source>
        <translation>フォルダー(&amp;F)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="401"/>
        <source>F&amp;older with Subfolders</source>
        <translation>フォルダーとサブフォルダー(&amp;O)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="402"/>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="234"/>
        <source>&amp;Search &amp;&amp; Add</source>
        <translation>検索して追加(&amp;S)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="409"/>
        <source>&amp;Selected</source>
        <translation>選択した写真(&amp;S)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="410"/>
        <source>&amp;All</source>
        <translation>すべて(&amp;A)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Date Taken</source>
        <translation>撮影日時</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Dimensions</source>
        <translation>寸法</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Size</source>
        <translation>ファイル サイズ</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>F-stop</source>
        <translation>F 値</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>Exposure</source>
        <translation>露出時間</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="43"/>
        <source>Coordinates</source>
        <translation>座標</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="43"/>
        <source>Altitude</source>
        <translation>高度</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Details</source>
        <translation>詳細(&amp;D)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Small Icons</source>
        <translation>小アイコン(&amp;S)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Medium Icons</source>
        <translation>中アイコン(&amp;M)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Large Icons</source>
        <translation>大アイコン(&amp;L)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="232"/>
        <source>Add &amp;Photo(s)</source>
        <translation>写真を追加(&amp;P)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="233"/>
        <source>Add &amp;Folder</source>
        <translation>フォルダーを追加(&amp;F)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="235"/>
        <source>Pas&amp;te</source>
        <translation>貼り付け(&amp;T)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="239"/>
        <source>Remove S&amp;elected</source>
        <translation>選択した写真を削除(&amp;E)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="240"/>
        <source>Remove &amp;All</source>
        <translation>すべて削除(&amp;A)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="259"/>
        <source>%1 (the name is not valid UTF-8)</source>
        <translation>%1 (名前が有効な UTF-8 ではありません)</translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="41"/>
        <source>Graphic Filters</source>
        <translation>グラフィック フィルター</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="96"/>
        <source>Add Filter</source>
        <translation>追加</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="109"/>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="122"/>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="159"/>
        <source>Edit Names</source>
        <translation>名前の編集</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="171"/>
        <source>Preset</source>
        <translation>方式</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="216"/>
        <location filename="../Project/Forms/CMainPanel2.ui" line="236"/>
        <location filename="../Project/Forms/CMainPanel2.ui" line="314"/>
        <source>Preview</source>
        <translation>仕上がり</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="303"/>
        <source>Sh&amp;ow preview</source>
        <translation>プレビューを表示(&amp;O)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="376"/>
        <source>Original</source>
        <translation>元の画像</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="601"/>
        <source>S&amp;witch View</source>
        <translation>切り替え(&amp;W)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="101"/>
        <source>Add a graphic filter that will be applied on all the photos added in Step 1</source>
        <translation>ステップ 1 で追加したすべての写真に適用するグラフィック フィルターを追加します</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="103"/>
        <source>Go to Step 3 and select the output folder and image format for the edited photos</source>
        <translation>ステップ 3 に進み、編集した写真の出力フォルダーと画像形式を選択します</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Keep Unchanged</source>
        <translation>変更しない</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation>フォルダで改名</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation>撮影日で改名</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Custom Defined</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="174"/>
        <location filename="../Project/Interface/MainPanel2.cpp" line="265"/>
        <source>No filter selected</source>
        <translation>フィルターが選択されていません</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="280"/>
        <source>Remove selected filter(s)?</source>
        <translation>選択したフィルターを削除しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="297"/>
        <source>Remove all filters?</source>
        <translation>すべてのフィルターを削除しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="375"/>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="377"/>
        <source>&amp;Add Filter</source>
        <translation>フィルターを追加(&amp;A)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="379"/>
        <source>Remove &amp;Selected</source>
        <translation>選択したフィルターを削除(&amp;S)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="380"/>
        <source>Remove A&amp;ll</source>
        <translation>すべて削除(&amp;L)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="382"/>
        <source>&amp;Duplicate</source>
        <translation>複製(&amp;D)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="384"/>
        <source>Move &amp;Up</source>
        <translation>上へ移動(&amp;U)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="385"/>
        <source>Move D&amp;own</source>
        <translation>下へ移動(&amp;O)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="392"/>
        <source>Remove Selected</source>
        <translation>選択したフィルターを削除</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="393"/>
        <source>Remove All</source>
        <translation>すべて削除</translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="57"/>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="63"/>
        <source>Destination</source>
        <translation>出力先</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="123"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="215"/>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="133"/>
        <source>Selec&amp;t</source>
        <translation>選択(&amp;T)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="157"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="242"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="260"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="284"/>
        <source>Also save on My Computer</source>
        <translation>コンピューターにも保存する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="181"/>
        <source>Username</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="191"/>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="205"/>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="225"/>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="317"/>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="323"/>
        <source>Output Format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="355"/>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="362"/>
        <source>&amp;Create a single multi-page document from all photos (only valid for PDF, TIF, GIF)</source>
        <translation>すべての写真から 1 つのマルチページ ドキュメントを作成する (PDF、TIF、GIF のみ)(&amp;C)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="378"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="384"/>
        <source>&amp;Open output folder after processing</source>
        <translation>処理後に出力フォルダーを開く(&amp;O)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="391"/>
        <source>Set output photo&apos;s &amp;date and attributes same as original</source>
        <translation>出力する写真の日付と属性を元の写真と同じにする(&amp;D)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="398"/>
        <source>De&amp;lete source photo after processing (move photo)</source>
        <translation>処理後に元の写真を削除する (写真の移動)(&amp;L)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="65"/>
        <source>When you are ready, go ahead and apply the changes to your photos</source>
        <translation>準備ができたら、写真に変更を適用してください</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="190"/>
        <source>Folder on My Computer (default)</source>
        <translation>コンピューター上のフォルダー (既定)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="193"/>
        <source>Send via E-mail</source>
        <translation>メールで送信</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="197"/>
        <source>Upload to FTP</source>
        <translation>FTP にアップロード</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="71"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="201"/>
        <source>Upload to Flickr</source>
        <translation>Flickr にアップロード</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="77"/>
        <source>Use selected folder as output destination</source>
        <translation>選択したフォルダーを出力先にする</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="78"/>
        <source>Recreate original folder structure in selected folder</source>
        <translation>選択したフォルダーに元のフォルダー構造を再現する</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="79"/>
        <source>Use original photos&apos; folder as output destination</source>
        <translation>元の写真のフォルダーを出力先にする</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="80"/>
        <source>Create a subfolder in the original photos&apos; folder</source>
        <translation>元の写真のフォルダーにサブフォルダーを作成する</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="225"/>
        <source>You have selected to write the resulting photos in the same folder where the originals reside.

If you&apos;d like to keep the originals but still write the resulting photos in the same folder, you need to change the processed photos&apos; name in Step2 &gt; Names</source>
        <translation>処理後の写真を元の写真と同じフォルダーに書き込むよう選択しました。

元の写真を残したまま同じフォルダーに書き込むには、[ステップ 2] &gt; [名前の編集] で処理後の写真の名前を変更する必要があります</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="274"/>
        <source>Select a folder for saving the resulting photos</source>
        <translation>処理後の写真を保存するフォルダーを選択してください</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="308"/>
        <source>You have selected to delete the original photos after writing the processed ones. We advise you to backup the originals before using this option for the first time.</source>
        <translation>処理後の写真を書き込んだ後に元の写真を削除するよう選択しました。このオプションを初めて使用する前に、元の写真をバックアップすることをお勧めします。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="311"/>
        <source>This action will only delete the originals if the processed photos are correctly written.</source>
        <translation>元の写真は、処理後の写真が正しく書き込まれた場合にのみ削除されます。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="314"/>
        <source>In case there are no filters selected the photos will actually be moved very fast and eventually renamed with no quality loss</source>
        <translation>フィルターが選択されていない場合、写真は画質を損なうことなく高速に移動され、必要に応じて名前が変更されます</translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <source>the server did not confirm that the name it was sent under was free</source>
        <translation>送信に使った名前が空いていることをサーバーは確認していません</translation>
    </message>
    <message>
        <source>Upload incomplete: %1 of %2 picture(s) sent.</source>
        <translation>アップロードは完了していません: %2 枚中 %1 枚を送信しました。</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="14"/>
        <source>Brandquill - Processing</source>
        <translation>Brandquill - 処理中</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="76"/>
        <location filename="../Project/Forms/CProcessController.ui" line="105"/>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="169"/>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="179"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="202"/>
        <location filename="../Project/Processing/CProcessController.cpp" line="134"/>
        <source>Show log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="126"/>
        <location filename="../Project/Processing/CProcessController.cpp" line="661"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="222"/>
        <source>Process started at %1</source>
        <translation>処理開始: %1</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="223"/>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation>%1 枚の画像を、1 枚あたり %2 個のグラフィック フィルターで処理します。</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="228"/>
        <source>Creating a single multi-page document.</source>
        <translation>複数ページの 1 つのドキュメントを作成します。</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="230"/>
        <source>System: %1 CPU core(s) detected.</source>
        <translation>システム: %1 個の CPU コアを検出しました。</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="231"/>
        <source>Launching %1 thread(s) of execution.</source>
        <translation>%1 個の実行スレッドを起動します。</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="243"/>
        <source>Failed to load</source>
        <translation>読み込み失敗</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="418"/>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation>写真の処理が完了していません。操作を中止しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="431"/>
        <source>Upload not completed. Abort the operation?</source>
        <translation>アップロードが完了していません。操作を中止しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="532"/>
        <source>Process interrupted by the user.</source>
        <translation>ユーザーが処理を中断しました。</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="536"/>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation>警告: 処理は完了しましたが、%1 件のエラーがありました。詳細は上のログを参照してください。</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="537"/>
        <source>Process completed without errors.</source>
        <translation>処理はエラーなしで完了しました。</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="543"/>
        <source>Time elapsed</source>
        <translation>経過時間</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="567"/>
        <source>Could not save log.</source>
        <translation>ログを保存できませんでした。</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="577"/>
        <source>Temporary files kept in %1.</source>
        <translation>一時ファイルは %1 に保存されています。</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="599"/>
        <source>Nothing to upload: the run produced no file to send.</source>
        <translation>アップロードするものがありません: 処理で送信するファイルが作成されませんでした。</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="633"/>
        <source>Uploading to </source>
        <translation>アップロード中: </translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="633"/>
        <source>Uploading to Flickr</source>
        <translation>Flickr にアップロード中</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="662"/>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="700"/>
        <source>Successfuly uploaded %1 picture(s).<byte value="xd"/>
</source>
        <translation>%1 枚の画像をアップロードしました。<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="707"/>
        <source>Deleting temporary files...</source>
        <translation>一時ファイルを削除しています...</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="711"/>
        <source>Upload completed.</source>
        <translation>アップロードが完了しました。</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="711"/>
        <source>Upload failed.</source>
        <translation>アップロードに失敗しました。</translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <source>Source kept</source>
        <translation>元のファイルを残しました</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="157"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="342"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="424"/>
        <location filename="../Project/Processing/CProcessThreadCommit.cpp" line="46"/>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="366"/>
        <source>Failed to write</source>
        <translation>書き込み失敗</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="158"/>
        <source>the output folder is not a full path</source>
        <translation>出力フォルダーが完全なパスではありません</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="261"/>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="36"/>
        <source>Failed to load</source>
        <translation>読み込み失敗</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="272"/>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="277"/>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="278"/>
        <source>not readable as an image</source>
        <translation>画像として読み取れません</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="303"/>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation>&apos;%1&apos; フィルターの適用失敗</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="371"/>
        <source>no writable image format has the extension &quot;%1&quot;</source>
        <translation>拡張子 &quot;%1&quot; の書き込み可能な画像形式がありません</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="373"/>
        <source>the image library gave no reason</source>
        <translation>画像ライブラリから理由が返されませんでした</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="379"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="433"/>
        <source>Written from a damaged photo</source>
        <translation>破損した写真から書き込みました</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="377"/>
        <source>Written without %1:</source>
        <translation>%1 なしで書き込みました:</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="385"/>
        <source>Size limit of %1 KB not met, %2 bytes written at the lowest quality</source>
        <translation>サイズ上限 %1 KB を満たせませんでした。最低品質で %2 バイトを書き込みました</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="392"/>
        <source>Not written by this run, left as it was</source>
        <translation>今回の処理では書き込まず、そのまま残しました</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="489"/>
        <source>Processed</source>
        <translation>処理済み</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="491"/>
        <source>Processed and renamed</source>
        <translation>処理済み (名前を変更)</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="493"/>
        <source>Processed and replaced</source>
        <translation>処理済み (置換)</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="495"/>
        <source>Skipped</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="564"/>
        <source>%1 to %2</source>
        <translation>%1 ～ %2</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="63"/>
        <source>Failed to Rename and Move</source>
        <translation>名前の変更と移動に失敗</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="63"/>
        <source>Failed to Move</source>
        <translation>移動失敗</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="64"/>
        <source>Failed to Rename and Copy</source>
        <translation>名前の変更とコピーに失敗</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="64"/>
        <source>Failed to Copy</source>
        <translation>コピー失敗</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="72"/>
        <source>Damaged photo copied, its source kept</source>
        <translation>破損した写真をコピーし、元のファイルを残しました</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="74"/>
        <source>Copied, its source kept</source>
        <translation>コピーし、元のファイルを残しました</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="227"/>
        <source>Written as</source>
        <translation>次の名前で書き込みました</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="228"/>
        <source>the name was taken meanwhile</source>
        <translation>その間に名前が使用されました</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="228"/>
        <source>the name was taken</source>
        <translation>名前が使用されていました</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="366"/>
        <source>not a full path to a file</source>
        <translation>ファイルへの完全なパスではありません</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="745"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="466"/>
        <source>Source changed since it was read, left as it is</source>
        <translation>読み込み後に元のファイルが変更されたため、そのまま残しました</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="768"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="484"/>
        <source>Failed to delete the source</source>
        <translation>元のファイルの削除失敗</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="412"/>
        <source>Put back as it was before a run that was cut short</source>
        <translation>中断された処理の前の状態に戻しました</translation>
    </message>
</context>
<context>
    <name>CScripts</name>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="31"/>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation>このプロジェクトは別のバージョンのプログラムで作成されたため、正しく読み込まれない可能性があります。
問題を修正するには、設定を調整して保存してください。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="46"/>
        <source>%1 &apos;%2&apos; is not a number: read as 0</source>
        <translation>%1 &apos;%2&apos; は数値ではありません: 0 として読み込みました</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="49"/>
        <source>%1 &apos;%2&apos; is not a whole number in its range: read as %3</source>
        <translation>%1 &apos;%2&apos; は範囲内の整数ではありません: %3 として読み込みました</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="54"/>
        <source>The job file cannot be read.</source>
        <translation>ジョブ ファイルを読み込めません。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="56"/>
        <source>The job file is larger than %1 MiB.</source>
        <translation>ジョブ ファイルが %1 MiB を超えています。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="59"/>
        <source>The job file is not a well-formed XML document.</source>
        <translation>ジョブ ファイルは整形式の XML ドキュメントではありません。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="61"/>
        <source>The job file declares entities, which job files never hold.</source>
        <translation>ジョブ ファイルがエンティティを宣言しています。ジョブ ファイルにエンティティが含まれることはありません。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="63"/>
        <source>The job file nests its elements more than %1 deep.</source>
        <translation>ジョブ ファイルの要素の入れ子が %1 階層を超えています。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="66"/>
        <source>The job file holds more than %1 elements.</source>
        <translation>ジョブ ファイルの要素が %1 個を超えています。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="80"/>
        <source>The job file holds more than %1 filters.</source>
        <translation>ジョブ ファイルのフィルターが %1 個を超えています。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="83"/>
        <source>A filter of the job file holds more than %1 numbers or %2 texts.</source>
        <translation>ジョブ ファイルのフィルターに %1 個を超える数値または %2 個を超えるテキストが含まれています。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="88"/>
        <source>The job file holds more than %1 photos.</source>
        <translation>ジョブ ファイルの写真が %1 枚を超えています。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="91"/>
        <source>The job file holds a text longer than %1 characters.</source>
        <translation>ジョブ ファイルに %1 文字を超えるテキストが含まれています。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="138"/>
        <source>The job file does not hold exactly one list of photos.</source>
        <translation>ジョブ ファイルに写真のリストがちょうど 1 つ含まれていません。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="201"/>
        <source>The job file names a destination that Step 3 does not offer (%1). Folder on My Computer is used instead.</source>
        <translation>ジョブ ファイルに、ステップ 3 にない出力先 (%1) が指定されています。代わりに「コンピューター上のフォルダー」を使用します。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="309"/>
        <source>Search &apos;%1&apos;: the folder &apos;%2&apos; does not exist or cannot be read</source>
        <translation>検索 &apos;%1&apos;: フォルダー &apos;%2&apos; が存在しないか、読み込めません</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="355"/>
        <source>Filter Id %1 is not known: left out</source>
        <translation>フィルター Id %1 は不明です: 省略しました</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="365"/>
        <source>%1: Param Type &apos;%2&apos; is not known: left out</source>
        <translation>%1: Param の Type &apos;%2&apos; は不明です: 省略しました</translation>
    </message>
    <message>
        <source>and %1 more like it</source>
        <translation>ほかに同様のものが %1 件</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="52"/>
        <source>Search: the name of &apos;%1&apos; is not valid UTF-8: left untouched</source>
        <translation>検索: &apos;%1&apos; の名前は有効な UTF-8 ではありません: そのまま残しました</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="26"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="36"/>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="62"/>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="128"/>
        <source>Use multicore processors for speeding up image processing</source>
        <translation>マルチコア プロセッサを使用して画像処理を高速化する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="135"/>
        <source>Create detailed log file with the processed images</source>
        <translation>処理した画像の詳細なログ ファイルを作成する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="149"/>
        <source>Show profiles window at startup</source>
        <translation>起動時にプロファイル ウィンドウを表示する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="156"/>
        <source>Show wizard window at startup</source>
        <translation>起動時にウィザードを表示する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="170"/>
        <source>Check for new versions at startup</source>
        <translation>起動時に新しいバージョンを確認する</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="182"/>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="230"/>
        <source>Image Formats</source>
        <translation>画像形式</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="254"/>
        <source>Multipage Settings</source>
        <translation>複数ページの設定</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="261"/>
        <source>Layer Configuration</source>
        <translation>レ⁠イ⁠ヤ⁠ー</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="295"/>
        <source>RAW Settings</source>
        <translation>RAW の設定</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="304"/>
        <source>Demosaicing</source>
        <translation>デ⁠モ⁠ザ⁠イ⁠ク</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="333"/>
        <source>White Balance</source>
        <translation>WB</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="362"/>
        <source>Highlights</source>
        <translation>ハ⁠イ⁠ラ⁠イ⁠ト</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="423"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="433"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="62"/>
        <source>Help with translation</source>
        <translation>翻訳に協力する</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Once a week</source>
        <translation>週 1 回</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Every two weeks</source>
        <translation>2 週間ごと</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Once a month</source>
        <translation>月 1 回</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="75"/>
        <source>default</source>
        <translation>既定</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="76"/>
        <source>Save each layer as a separate image (default)</source>
        <translation>各レイヤーを個別に保存 (既定)</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="76"/>
        <source>Flatten all layers</source>
        <translation>全レイヤーを統合</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="77"/>
        <source>Save the first layer only</source>
        <translation>最初のレイヤーのみ保存</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="80"/>
        <source>Auto, best algorithm for camera model</source>
        <translation>自動 (機種に最適な方式)</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Use camera&apos;s settings</source>
        <translation>カメラの設定</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Average the entire image</source>
        <translation>画像全体の平均</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Don&apos;t apply</source>
        <translation>適用しない</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="87"/>
        <source>Clip all</source>
        <translation>すべてクリップ</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="88"/>
        <source>Leave unclipped</source>
        <translation>クリップしない</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="89"/>
        <source>Blend clipped and unclipped values</source>
        <translation>クリップ値と非クリップ値を混合</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="91"/>
        <source>Reconstruct</source>
        <translation>再構築</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="127"/>
        <source>You need to restart Brandquill for the changes to take effect.</source>
        <translation>変更を有効にするには Brandquill を再起動してください。</translation>
    </message>
</context>
<context>
    <name>CTemporaryRecord</name>
    <message>
        <location filename="../Project/Core/TemporaryRecord.cpp" line="110"/>
        <source>Temporary files cannot be recorded in %1: %2. Those of a run killed now would be left behind.</source>
        <translation>一時ファイルを %1 に記録できません: %2。今強制終了された処理の一時ファイルは残ります。</translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <source>Failed to upload %1: %2; the server may keep what it received</source>
        <translation>%1 をアップロードできませんでした: %2。サーバーは受信した分を保持している可能性があります</translation>
    </message>
    <message>
        <source>%1 not sent: the upload ended first</source>
        <translation>%1 は送信されていません: アップロードが先に終了しました</translation>
    </message>
    <message>
        <source>%1 sent as %2, a name the server did not confirm free</source>
        <translation>%1 を %2 として送信しました（この名前が空いていることをサーバーは確認していません）</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="100"/>
        <source>Upload interrupted by the user.</source>
        <translation>ユーザーがアップロードを中断しました。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="147"/>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="143"/>
        <source>Could not open default mail client.</source>
        <translation>既定のメール クライアントを開けませんでした。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="144"/>
        <source>The photos are kept in %1.</source>
        <translation>写真は %1 に保存されています。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="145"/>
        <source>The message and its photos are kept in %1.</source>
        <translation>メッセージとその写真は %1 に保存されています。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="177"/>
        <source>The message with %1 photo(s) was handed to the mail program.</source>
        <translation>%1 枚の写真を添付したメッセージをメール プログラムに渡しました。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="180"/>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="181"/>
        <source>Files attached successfuly. We advise deleting the temporary files that Brandquill may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation>ファイルを添付しました。Brandquill がこの処理中に作成した一時ファイルは削除することをお勧めします (必ずメールの送信を終えてから削除してください)。一時ファイルを今すぐ削除しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="53"/>
        <source>Flickr upload is not available: this copy of Brandquill was built without a Flickr API key.</source>
        <translation>Flickr へのアップロードは利用できません: この Brandquill は Flickr API キーなしでビルドされています。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="133"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="171"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="186"/>
        <source>Flickr authorisation failed: %1</source>
        <translation>Flickr の認証に失敗しました: %1</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="152"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="213"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="219"/>
        <source>Failed to upload %1 to Flickr: %2</source>
        <translation>%1 を Flickr にアップロードできませんでした: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="186"/>
        <source>the web browser could not be opened</source>
        <translation>Web ブラウザーを開けませんでした</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="192"/>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="193"/>
        <source>Allow Brandquill to upload to your Flickr account in the browser window that has opened, then type the code that Flickr shows:</source>
        <translation>開いたブラウザー ウィンドウで Brandquill による Flickr アカウントへのアップロードを許可し、Flickr に表示されたコードを入力してください:</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="201"/>
        <source>Flickr authorisation was cancelled.</source>
        <translation>Flickr の認証はキャンセルされました。</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="214"/>
        <source>the name holds a line break</source>
        <translation>名前に改行が含まれています</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="36"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="98"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="164"/>
        <source>Could not connect to %1: %2</source>
        <translation>%1 に接続できませんでした: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="36"/>
        <source>not connected</source>
        <translation>接続されていません</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="105"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="167"/>
        <source>Login to %1 failed: %2</source>
        <translation>%1 へのログインに失敗しました: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="114"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="170"/>
        <source>Could not open the folder %1 on the server: %2</source>
        <translation>サーバー上のフォルダー %1 を開けませんでした: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="124"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="199"/>
        <source>Could not list the folder %1 on the server: %2</source>
        <translation>サーバー上のフォルダー %1 の一覧を取得できませんでした: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="132"/>
        <source>Could not check the names in the folder %1 on the server, so files there of the same name may be replaced: %2</source>
        <translation>サーバー上のフォルダー %1 の名前を確認できなかったため、そこにある同じ名前のファイルが置き換えられる可能性があります: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="149"/>
        <source>%1 replaced %2 on the server</source>
        <translation>%1 はサーバー上の %2 を置き換えました</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="124"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="143"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="176"/>
        <source>Failed to upload %1: %2</source>
        <translation>%1 をアップロードできませんでした: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="135"/>
        <source>%1 sent as %2: the name was taken</source>
        <translation>%1 を次の名前で送信しました %2: 名前が使用されていました</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="164"/>
        <source>%1 attached as %2: the name was taken</source>
        <translation>%1 を次の名前で添付しました %2: 名前が使用されていました</translation>
    </message>
</context>
<context>
    <name>CWizardStart</name>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="14"/>
        <location filename="../Project/Forms/CWizardStart.ui" line="24"/>
        <source>Welcome to Brandquill</source>
        <translation>Brandquill へようこそ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="30"/>
        <source>Brandquill edits many photos in one go. 1 Add Photos: add the photos you want to edit. 2 Edit Photos: choose text or logo marks, frames, shadow, crop, resize or rotate. 3 Setup: choose the output folder and image format. Then select Process.</source>
        <translation>Brandquill は多くの写真を一度に編集します。1 写真の追加: 編集したい写真を追加します。2 写真の編集: テキストやロゴのマーク、フレーム、影、切り抜き、サイズ変更、回転を選択します。3 設定: 出力フォルダーと画像形式を選択します。その後、[処理] を選択します。</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="45"/>
        <source>Take the Quick Tour</source>
        <translation>クイック ツアーを見る</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="83"/>
        <source>Show this wizard when Brandquill starts</source>
        <translation>Brandquill の起動時にこのウィザードを表示する</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CWizardStart.cpp" line="54"/>
        <source>Batch photo processing</source>
        <translation>写真の一括処理</translation>
    </message>
</context>
<context>
    <name>FilterBlank</name>
    <message>
        <location filename="../Project/Forms/FilterBlank.ui" line="23"/>
        <source>There are no settings for this filter</source>
        <translation>このフィルターには設定がありません</translation>
    </message>
</context>
<context>
    <name>FilterCrop</name>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="14"/>
        <source>Original image size:</source>
        <translation>元の画像サイズ:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="19"/>
        <source>Crop</source>
        <translation>切り抜き</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="33"/>
        <source>Dimensions</source>
        <translation>寸法</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="49"/>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="75"/>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="101"/>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="127"/>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
</context>
<context>
    <name>FilterRaise</name>
    <message>
        <location filename="../Project/Forms/FilterRaise.ui" line="14"/>
        <source>Border</source>
        <translation>境界線</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterRaise.ui" line="41"/>
        <source>Effect</source>
        <translation>効果</translation>
    </message>
</context>
<context>
    <name>FilterSettings</name>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="43"/>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="128"/>
        <source>This is the watermark!</source>
        <translation>これが透かしです!</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="141"/>
        <source>Original</source>
        <translation>元の画像</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="219"/>
        <source>&amp;Show preview</source>
        <translation>プレビューを表示(&amp;S)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="386"/>
        <source>S&amp;witch View</source>
        <translation>表示の切り替え(&amp;W)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="421"/>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="465"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="499"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
</context>
<context>
    <name>FilterShadow</name>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="14"/>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="38"/>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="65"/>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="88"/>
        <source>Draw over a white background</source>
        <translation>白い背景に描画する</translation>
    </message>
</context>
<context>
    <name>FilterSimpleBorder</name>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="17"/>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="42"/>
        <source>Dimensions</source>
        <translation>寸法</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="58"/>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="83"/>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="108"/>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="133"/>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="155"/>
        <source>Use uniform dimensions</source>
        <translation>すべて同じ寸法を使用する</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="93"/>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="108"/>
        <source>Wi&amp;zard</source>
        <translation>ウィザード(&amp;Z)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="120"/>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="124"/>
        <source>&amp;Tutorials</source>
        <translation>チュートリアル(&amp;T)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="139"/>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="148"/>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="161"/>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="169"/>
        <source>&amp;Load Profile</source>
        <translation>プロファイルを読み込む(&amp;L)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="172"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="177"/>
        <source>Save Profile</source>
        <translation>プロファイルを保存</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="182"/>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="311"/>
        <source>Save Profile As</source>
        <translation>名前を付けてプロファイルを保存</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="187"/>
        <source>Save Script</source>
        <translation>スクリプトを保存</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="192"/>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="348"/>
        <source>Save Script As</source>
        <translation>名前を付けてスクリプトを保存</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="197"/>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="202"/>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="205"/>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="213"/>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="216"/>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="224"/>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="229"/>
        <source>Show &amp;Log</source>
        <translation>ログを表示(&amp;L)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="234"/>
        <source>Select Pr&amp;ofile</source>
        <translation>プロファイルを選択(&amp;O)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="239"/>
        <source>Step 1 - Add &amp;Photos</source>
        <translation>ステップ 1 - 写真を追加(&amp;P)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="247"/>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation>ステップ 2 - 写真を編集(&amp;H)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="255"/>
        <source>Step 3 - &amp;Setup</source>
        <translation>ステップ 3 - セットアップ(&amp;S)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="263"/>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Process</source>
        <translation>処理</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="271"/>
        <source>&amp;Help Manual</source>
        <translation>ヘルプ マニュアル(&amp;H)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="276"/>
        <source>Check for &amp;New Version</source>
        <translation>新しいバージョンを確認(&amp;N)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="281"/>
        <source>&amp;Online Support</source>
        <translation>オンライン サポート(&amp;O)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="286"/>
        <source>&amp;Visit Our Web Site</source>
        <translation>Web サイトを表示(&amp;V)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="291"/>
        <source>&amp;About Us</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="296"/>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation>写真のサイズ変更と回転の方法(&amp;R)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindow.cpp" line="291"/>
        <source>The settings could not be saved to %1. Changes to them will be lost.</source>
        <translation>設定を %1 に保存できませんでした。設定の変更は失われます。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindow.cpp" line="388"/>
        <source>The log file will be created after the first processing session.</source>
        <translation>ログ ファイルは最初の処理の後に作成されます。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowTheme.cpp" line="122"/>
        <source>You need to restart Brandquill for the changes to take effect.</source>
        <translation>変更を有効にするには Brandquill を再起動してください。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="37"/>
        <source>Wizard Steps</source>
        <translation>ウィザードのステップ</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Add Photos</source>
        <translation>写真を追加</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Edit Photos</source>
        <translation>写真を編集</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Setup</source>
        <translation>セットアップ</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="66"/>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation>ステップ 1 - 編集するすべての写真を追加します</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="68"/>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation>ステップ 2 - 選択したすべての写真に適用するグラフィック フィルターを設定します</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="69"/>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation>ステップ 3 - 編集した写真の出力先と画像形式を選択します</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="70"/>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation>準備ができたら [処理] を選択すると、すべての写真が編集されます</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="74"/>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="91"/>
        <source>Not everything in the job file could be read as written:</source>
        <translation>ジョブファイルの一部を記述どおりに読み込めませんでした:</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="106"/>
        <source>Photos are being processed. The file was not opened:
%1</source>
        <translation>写真を処理中です。次のファイルは開かれませんでした:
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="143"/>
        <source>Loading a profile will overwrite your settings. Continue?</source>
        <translation>プロファイルを読み込むと現在の設定が上書きされます。続行しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="165"/>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation>あとはステップ 1 で写真を追加し、必要に応じてステップ 2 とステップ 3 で設定を調整してください。

完了したら [処理] を選択します。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="178"/>
        <source>Could not load profile.</source>
        <translation>プロファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="202"/>
        <source>Could not load script.</source>
        <translation>スクリプトを読み込めませんでした。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="301"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="311"/>
        <source>Profile Files (*.bqf)</source>
        <translation>プロファイル ファイル (*.bqf)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="333"/>
        <source>Could not save profile.</source>
        <translation>プロファイルを保存できませんでした。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="348"/>
        <source>Script Files (*.bqs)</source>
        <translation>スクリプト ファイル (*.bqs)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="362"/>
        <source>Could not save script.</source>
        <translation>スクリプトを保存できませんでした。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="384"/>
        <source>Your settings will be discarded. Continue?</source>
        <translation>現在の設定は破棄されます。続行しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="440"/>
        <source>Would you like to save your settings?</source>
        <translation>設定を保存しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="55"/>
        <source>There are no photos to process.</source>
        <translation>処理する写真がありません。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="63"/>
        <source>Ready to process %1 photos?</source>
        <translation>%1 枚の写真を処理しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="69"/>
        <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
        <translation>処理の前に、編集した写真の出力フォルダーを選択する必要があります ([ステップ 3] &gt; [出力先] &gt; [コンピューター上のフォルダー])</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="77"/>
        <source>The output folder is not a full path:
%1</source>
        <translation>出力フォルダーが完全なパスではありません:
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="85"/>
        <source>The output folder path names a file, not a folder:
%1</source>
        <translation>出力フォルダーのパスはフォルダーではなくファイルを指しています:
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="90"/>
        <source>The selected folder does not exist, do you want to create it now?</source>
        <translation>選択したフォルダーは存在しません。今すぐ作成しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="96"/>
        <source>Could not create the output folder %1: %2.</source>
        <translation>出力フォルダー %1 を作成できませんでした: %2。</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="104"/>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation>変更後の写真を書き込んだ後に元の写真を削除するよう選択しました。続行しますか?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="116"/>
        <source>No photo was processed: the destination is not one that Step 3 offers. Choose one in Step 3 &gt; Destination.</source>
        <translation>写真は処理されませんでした: 出力先がステップ 3 で選べるものではありません。ステップ 3 &gt; 出力先 で選択してください。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="15"/>
        <source>Annotates with a single or multi-line text comment</source>
        <translation>1 行または複数行のテキスト コメントを書き込みます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="16"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="35"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="88"/>
        <source>Stamps picture with date and time information</source>
        <translation>写真に日付と時刻の情報を書き込みます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="17"/>
        <source>Adds a text copyright notice</source>
        <translation>テキストの著作権表示を追加します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="18"/>
        <source>Adds a copyright logo</source>
        <translation>著作権ロゴを追加します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="19"/>
        <source>Adds a simple shaped frame</source>
        <translation>シンプルな形のフレームを追加します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="20"/>
        <source>Adds a grunge frame</source>
        <translation>グランジ フレームを追加します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="21"/>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation>縦向きと横向きの写真に異なるマスクを追加します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="22"/>
        <source>Adds a classic picture frame</source>
        <translation>クラシックな額縁風のフレームを追加します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="23"/>
        <source>Adds a vintage frame</source>
        <translation>ビンテージ フレームを追加します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="24"/>
        <source>Creates a Polaroid-like picture frame</source>
        <translation>ポラロイド風のフレームを作成します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="25"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="50"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="98"/>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation>画像の縁を明るくまたは暗くして、浮き出しまたはくぼみの 3D 効果を与えます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="26"/>
        <source>Gives picture a shadow effect around the edges</source>
        <translation>写真の周囲に影の効果を付けます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="27"/>
        <source>Adds a simple border around the picture</source>
        <translation>写真の周囲にシンプルな境界線を追加します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="28"/>
        <source>Makes picture hazy in appearance</source>
        <translation>写真をかすんだように見せます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="29"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="44"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="94"/>
        <source>Transforms picture to a charcoal sketch</source>
        <translation>写真を木炭画風のスケッチに変換します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="30"/>
        <source>Highlights edges in picture</source>
        <translation>写真の輪郭を強調します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="31"/>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation>写真の輪郭を 3D 効果で強調します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="32"/>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation>ガウスぼかしのアルゴリズムで写真をかすんだように見せます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="33"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="42"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="95"/>
        <source>Transforms from true colors to grayscale colors</source>
        <translation>フルカラーをグレースケールに変換します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="34"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="46"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="96"/>
        <source>Creates an implosion effect in the center of the image</source>
        <translation>画像の中心に爆縮効果を作成します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="35"/>
        <source>Replaces every pixel with its complementary color</source>
        <translation>各ピクセルを補色に置き換えます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="36"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="38"/>
        <source>Adds noise to picture</source>
        <translation>写真にノイズを追加します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="37"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="48"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="97"/>
        <source>Makes picture look like an oil painting</source>
        <translation>写真を油絵のように見せます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="38"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="52"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="99"/>
        <source>Makes picture look older, in warmer colors</source>
        <translation>写真を暖かい色合いで古びたように見せます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="39"/>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation>現像中にフィルムが光にさらされたように見せます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="40"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="54"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="100"/>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation>写真をグレースケールまたはフルカラーの彫刻のように見せます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="41"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="56"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="101"/>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation>ピクセルをランダムに散らして写真をぼかします</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="42"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="58"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="102"/>
        <source>Creates a twisting motion</source>
        <translation>渦巻き状のゆがみを作成します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="43"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="60"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="103"/>
        <source>Creates a horizontal wave effect</source>
        <translation>水平方向の波の効果を作成します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="44"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="30"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="89"/>
        <source>Automatically adjusts contrast</source>
        <translation>コントラストを自動調整します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="45"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="104"/>
        <source>Automatically adjusts gamma level</source>
        <translation>ガンマ レベルを自動調整します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="46"/>
        <source>Automatically adjusts color levels</source>
        <translation>カラー レベルを自動調整します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="47"/>
        <source>Adjusts light intensity</source>
        <translation>光の強さを調整します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="48"/>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation>明るいピクセルと暗いピクセルの強度の差を強調します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="49"/>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation>赤、緑、青のカラー チャンネルを調整します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="50"/>
        <source>Applies a histogram equalization</source>
        <translation>ヒストグラムの均等化を適用します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="51"/>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation>色相、彩度、明度を補正します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="52"/>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation>指定した白点と黒点の間にある色を、利用可能な全範囲に広げてレベルを調整します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="53"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="90"/>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation>暗い照明やモバイル デジタル カメラによるノイズを軽減します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="54"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="40"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="91"/>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation>輪郭のコントラストを強調して写真をシャープにします</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="55"/>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation>半径としきい値のオプションを使用して写真をシャープにします</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="56"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="32"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="92"/>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation>デジタル カメラが埋め込んだ情報に基づいて写真を自動的に回転します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="57"/>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation>指定した縦横比に合わせて画像を自動的に切り抜きます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="58"/>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation>RGB カラーまたはアルファ チャンネルを置き換えます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="59"/>
        <source>Cuts a rectangular subregion from the image</source>
        <translation>画像から長方形の領域を切り抜きます</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="60"/>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation>写真を上下または左右 (あるいは両方) に反転します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="61"/>
        <source>Adjusts image size using pixels or percents</source>
        <translation>ピクセルまたはパーセントで画像サイズを調整します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="62"/>
        <source>Adjusts document size and DPI resolution</source>
        <translation>ドキュメント サイズと DPI 解像度を調整します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="63"/>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation>指定したピクセル数だけ上下または左右にずらします</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="64"/>
        <source>Rotates by a specified number of degrees</source>
        <translation>指定した角度だけ回転します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="65"/>
        <source>Creates a small thumbnail from the picture</source>
        <translation>写真から小さなサムネイルを作成します</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="66"/>
        <location filename="../Project/Interface/MainPanel2Names.cpp" line="45"/>
        <location filename="../Project/Interface/MainPanel3Format.cpp" line="13"/>
        <source>Keep original image format (if possible)</source>
        <translation>元の画像形式を維持する (可能な場合)</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="25"/>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="26"/>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="27"/>
        <source>Shape Frame</source>
        <translation>シェイプ フレーム</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="28"/>
        <source>Grunge Frame</source>
        <translation>グランジ フレーム</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="29"/>
        <source>Picture Frame</source>
        <translation>額縁フレーム</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="30"/>
        <source>Vintage Frame</source>
        <translation>ビンテージ フレーム</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="31"/>
        <source>Raise</source>
        <translation>浮き出し</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="32"/>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="33"/>
        <source>Simple Border</source>
        <translation>シンプルな境界線</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="34"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="31"/>
        <source>Auto Rotate</source>
        <translation>自動回転</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="35"/>
        <source>Crop</source>
        <translation>切り抜き</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="36"/>
        <source>Resize</source>
        <translation>サイズ変更</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="37"/>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="70"/>
        <source>Marks</source>
        <translation>マーク</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="71"/>
        <source>Border</source>
        <translation>境界線</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="72"/>
        <source>Transform</source>
        <translation>変形</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="50"/>
        <source>Photo not found</source>
        <translation>写真が見つかりません</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="59"/>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="60"/>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="61"/>
        <location filename="../Project/Processing/CDialogOverwrite.cpp" line="73"/>
        <source>Size</source>
        <translation>ファイル サイズ</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="67"/>
        <source>Dimensions</source>
        <translation>寸法</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="70"/>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="72"/>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="17"/>
        <source>Convert to JPEG with High Quality</source>
        <translation>高画質 JPEG</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="18"/>
        <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
        <translation>高画質 (90%) の JPEG 形式に変換します。ファイル サイズは大きくなります。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="20"/>
        <source>Convert to JPEG with Medium Quality</source>
        <translation>中画質 JPEG</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="21"/>
        <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
        <translation>中画質 (75%) の JPEG 形式に変換します。ファイル サイズは中程度になります。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="23"/>
        <source>Convert to PDF Album</source>
        <translation>PDF アルバム</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="24"/>
        <source>Create a single PDF album from all the photos added</source>
        <translation>追加したすべての写真から 1 つの PDF アルバムを作成します</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="25"/>
        <source>Convert to PNG</source>
        <translation>PNG に変換</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="26"/>
        <source>Convert to PNG file format for the best quality.</source>
        <translation>最高の品質が得られる PNG 形式に変換します。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="27"/>
        <source>Convert to TIFF</source>
        <translation>TIFF に変換</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="28"/>
        <source>Convert to TIFF file format for the best quality.</source>
        <translation>最高の品質が得られる TIFF 形式に変換します。</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="29"/>
        <source>Auto Contrast</source>
        <translation>自動コントラスト</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="34"/>
        <source>Add Date and Time</source>
        <translation>日時を追加</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="36"/>
        <source>Reduce Noise</source>
        <translation>ノイズの軽減</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="39"/>
        <source>Adjust Sharpness</source>
        <translation>シャープ調整</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="41"/>
        <source>Effect Black &amp; White</source>
        <translation>白黒効果</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="43"/>
        <source>Effect Charcoal</source>
        <translation>木炭画効果</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="45"/>
        <source>Effect Implode</source>
        <translation>爆縮効果</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="47"/>
        <source>Effect Oil Painting</source>
        <translation>油絵効果</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="49"/>
        <source>Effect Raise</source>
        <translation>浮き出し効果</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="51"/>
        <source>Effect Sepia</source>
        <translation>セピア効果</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="53"/>
        <source>Effect Shade</source>
        <translation>陰影効果</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="55"/>
        <source>Effect Spread</source>
        <translation>拡散効果</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="57"/>
        <source>Effect Swirl</source>
        <translation>渦巻き効果</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="59"/>
        <source>Effect Wave</source>
        <translation>波効果</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="61"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation>フォルダで改名</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="62"/>
        <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder&apos;s name</source>
        <translation>写真がわかりやすい名前のフォルダーに整理されている場合、このプロファイルはフォルダー内のすべての画像の名前をフォルダー名に変更します</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="64"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation>撮影日で改名</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="65"/>
        <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
        <translation>一連の写真の名前を元の撮影日に変更し、同時刻に撮影された写真を区別するためのカウンターも追加します</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="68"/>
        <source>Resize for Auction Site</source>
        <translation>オークション用</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="69"/>
        <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
        <translation>eBay などのオークション サイトにアップロードするため、写真をとても小さく (400x300) します</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="70"/>
        <source>Resize for Sending via Email</source>
        <translation>メール送信用</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="71"/>
        <source>Make photos smaller (1280x960) for sending as attachment via email</source>
        <translation>メールの添付ファイルとして送信するため、写真を小さく (1280x960) します</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="72"/>
        <source>Resize for Uploading Online</source>
        <translation>オンライン用</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="73"/>
        <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
        <translation>Facebook や Picasa などのサイトへのアップロードや友達との共有のため、写真を小さく (1600x1200) します</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="75"/>
        <source>Send via E-mail</source>
        <translation>メールで送信</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="76"/>
        <source>Send photos via E-mail</source>
        <translation>写真をメールで送信します</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="77"/>
        <source>Upload to Twitpic</source>
        <translation>Twitpic に投稿</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="78"/>
        <source>Upload photos to Twitpic</source>
        <translation>写真を Twitpic にアップロードします</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="79"/>
        <source>Upload to Picasa</source>
        <translation>Picasa に投稿</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="80"/>
        <source>Upload photos to Picasa</source>
        <translation>写真を Picasa にアップロードします</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="81"/>
        <source>Upload to Facebook</source>
        <translation>Facebook に投稿</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="82"/>
        <source>Upload photos to Facebook</source>
        <translation>写真を Facebook にアップロードします</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="87"/>
        <source>Auto Gamma</source>
        <translation>自動ガンマ</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="69"/>
        <source>%1 does not exist</source>
        <translation>%1 は存在しません</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="32"/>
        <location filename="../Project/Core/TempFolder.cpp" line="93"/>
        <source>cannot create %1: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="37"/>
        <source>cannot examine %1: %2</source>
        <translation>%1 を確認できません: %2</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="40"/>
        <source>%1 is a symbolic link</source>
        <translation>%1 はシンボリック リンクです</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="42"/>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="44"/>
        <source>%1 belongs to another user</source>
        <translation>%1 は別のユーザーが所有しています</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="46"/>
        <source>cannot restrict %1: %2</source>
        <translation>%1 のアクセスを制限できません: %2</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <location filename="../Project/Core/Utils.cpp" line="255"/>
        <source>Nothing could open %1. Please open it yourself.</source>
        <translation>%1 を開けるプログラムがありませんでした。手動で開いてください。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../Project/Interface/main.cpp" line="20"/>
        <source>A display is needed (DISPLAY or WAYLAND_DISPLAY); without one, give a script to run: brandquill /path/to/job.bqs</source>
        <translation>ディスプレイが必要です (DISPLAY または WAYLAND_DISPLAY)。ディスプレイがない場合は、実行するスクリプトを指定してください: brandquill /path/to/job.bqs</translation>
    </message>
    <message>
        <location filename="../Project/Interface/main.cpp" line="22"/>
        <source>The display %1 could not be opened, and the window needs one; without it, give a script to run: brandquill /path/to/job.bqs</source>
        <translation>ディスプレイ %1 を開けませんでした。ウィンドウにはディスプレイが必要です。ディスプレイがない場合は、実行するスクリプトを指定してください: brandquill /path/to/job.bqs</translation>
    </message>
</context>
</TS>
