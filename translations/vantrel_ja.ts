<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>DataWindowForm</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>List</source>
        <translation>一覧</translation>
    </message>
    <message>
        <source>Large window</source>
        <translation>大きなウィンドウ</translation>
    </message>
    <message>
        <source>Include major solar terms (the Zs)</source>
        <extracomment>Z1 … Z12, the codes of the major terms, stay as they are.</extracomment>
        <translation>中気を含める（Z）</translation>
    </message>
    <message>
        <source>Include minor solar terms (the Js)</source>
        <extracomment>J1 … J12, the codes of the minor terms, stay as they are.</extracomment>
        <translation>節気を含める（J）</translation>
    </message>
    <message>
        <source>Display solar term names</source>
        <translation>節気名を表示</translation>
    </message>
    <message>
        <source>Leap months only</source>
        <translation>閏月のみ</translation>
    </message>
    <message>
        <source>Omit invalid dates</source>
        <translation>無効な日付を省く</translation>
    </message>
    <message>
        <source>European calendar:</source>
        <translation>西洋暦：</translation>
    </message>
    <message>
        <source>Second test: a date to test</source>
        <translation>第二のテスト：調べる日付</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Common Era (Gregorian):</source>
        <translation>西暦（グレゴリオ暦）：</translation>
    </message>
    <message>
        <source>Julian Calendar:</source>
        <translation>ユリウス暦：</translation>
    </message>
    <message>
        <source>Chinese Lunar:</source>
        <translation>中国の旧暦：</translation>
    </message>
    <message>
        <source>Chinese Solar:</source>
        <translation>中国の節気暦：</translation>
    </message>
    <message>
        <source>Vietnamese Lunar:</source>
        <translation>ベトナムの旧暦：</translation>
    </message>
    <message>
        <source>Vietnamese Solar:</source>
        <translation>ベトナムの節気暦：</translation>
    </message>
    <message>
        <source>Japanese Lunar:</source>
        <translation>日本の旧暦：</translation>
    </message>
    <message>
        <source>Japanese Solar:</source>
        <translation>日本の節気暦：</translation>
    </message>
    <message>
        <source>Vellomir Calendar:</source>
        <translation>ヴェロミール暦：</translation>
    </message>
    <message>
        <source>Chronological JD London:</source>
        <translation>暦日ユリウス日（ロンドン）：</translation>
    </message>
    <message>
        <source>Chronological JD %1º East</source>
        <translation>暦日ユリウス日（東経%1°）</translation>
    </message>
    <message>
        <source>Astronomical Julian date:</source>
        <translation>天文ユリウス日：</translation>
    </message>
    <message>
        <source>Phase of Moon, illumination:</source>
        <translation>月相・輝面比：</translation>
    </message>
    <message>
        <source>[Lunation] Age of Moon:</source>
        <translation>［朔望月番号］月齢：</translation>
    </message>
    <message>
        <source>Delta T:</source>
        <translation>ΔT：</translation>
    </message>
    <message>
        <source>VMC month &amp; day same as CHL</source>
        <translation>VMC の月日は CHL と同じ</translation>
    </message>
    <message>
        <source>VMC date %1 day ahead of CHL</source>
        <translation>VMC の日付は CHL より %1 日先</translation>
    </message>
    <message>
        <source>VMC date %1 day behind CHL</source>
        <translation>VMC の日付は CHL より %1 日後れ</translation>
    </message>
    <message>
        <source>VMC date %1 month ahead of CHL</source>
        <translation>VMC の日付は CHL より %1 か月先</translation>
    </message>
    <message>
        <source>VMC date %1 month behind CHL</source>
        <translation>VMC の日付は CHL より %1 か月後れ</translation>
    </message>
    <message>
        <source>VMC month no. same as CHL</source>
        <translation>VMC の月番号は CHL と同じ</translation>
    </message>
    <message>
        <source>VMC day no. same as CHL</source>
        <translation>VMC の日番号は CHL と同じ</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>黄帝紀元 %1 年</translation>
    </message>
    <message>
        <source>Korean Lunar:</source>
        <translation>韓国の旧暦：</translation>
    </message>
    <message>
        <source>Korean Solar:</source>
        <translation>韓国の節気暦：</translation>
    </message>
    <message>
        <source>Vietnamese Lunar (%1º E):</source>
        <translation>ベトナムの旧暦（東経%1°）：</translation>
    </message>
    <message>
        <source>Vietnamese Lunar (%1º%2′ E):</source>
        <translation>ベトナムの旧暦（東経%1°%2′）：</translation>
    </message>
    <message>
        <source>Chinese Lunar (%1º E):</source>
        <translation>中国の旧暦（東経%1°）：</translation>
    </message>
    <message>
        <source>Chinese Lunar (%1º%2′ E):</source>
        <translation>中国の旧暦（東経%1°%2′）：</translation>
    </message>
    <message>
        <source>Japanese Lunar (%1º E):</source>
        <translation>日本の旧暦（東経%1°）：</translation>
    </message>
    <message>
        <source>Japanese Lunar (%1º%2′ E):</source>
        <translation>日本の旧暦（東経%1°%2′）：</translation>
    </message>
    <message>
        <source>Korean Lunar (%1º E):</source>
        <translation>韓国の旧暦（東経%1°）：</translation>
    </message>
    <message>
        <source>Korean Lunar (%1º%2′ E):</source>
        <translation>韓国の旧暦（東経%1°%2′）：</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save the listed dates as an iCalendar file</source>
        <translation>一覧の日付を iCalendar ファイルに保存</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics)</source>
        <translation>iCalendar ファイル (*.ics)</translation>
    </message>
    <message>
        <source>Save image of this calendar month as a PNG file</source>
        <translation>この月の暦の画像を PNG ファイルに保存</translation>
    </message>
    <message>
        <source>PNG graphics file (*.png)</source>
        <translation>PNG 画像ファイル (*.png)</translation>
    </message>
</context>
<context>
    <name>Listings</name>
    <message>
        <source>Dates, times and CJDs of dark moons and solar terms</source>
        <translation>朔と節気の日付・時刻・暦日ユリウス日</translation>
    </message>
    <message>
        <source>Lunar new years &amp; anniversaries</source>
        <translation>旧正月と記念日</translation>
    </message>
    <message>
        <source>Lunar month starts &amp; leap months</source>
        <translation>旧暦の月初と閏月</translation>
    </message>
    <message>
        <source>Julian and CE new years</source>
        <translation>ユリウス暦と西暦の元日</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>Save as iCalendar…</source>
        <translation>iCalendar で保存…</translation>
    </message>
    <message>
        <source>years     Calculating ...</source>
        <translation>年     計算中…</translation>
    </message>
    <message>
        <source>years     Calculating ... year %1</source>
        <translation>年     計算中… %1 年</translation>
    </message>
    <message>
        <source>years     Calculating ... year -%1</source>
        <translation>年     計算中… -%1 年</translation>
    </message>
    <message>
        <source>Festivals and seasonal days</source>
        <translation>節日と雑節</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Expanded log entries</source>
        <translation>詳しいログ項目</translation>
    </message>
    <message>
        <source>Include Chinese terms</source>
        <translation>漢語の用語を含める</translation>
    </message>
    <message>
        <source>View log after adding an entry</source>
        <translation>項目を追加したらログを表示</translation>
    </message>
    <message>
        <source>ChL (Chinese Lunar Calendar)</source>
        <translation>ChL（中国の旧暦）</translation>
    </message>
    <message>
        <source>ChS (Chinese Solar Calendar)</source>
        <translation>ChS（中国の節気暦）</translation>
    </message>
    <message>
        <source>CJDC (Chronological Julian Date, China)</source>
        <translation>CJDC（暦日ユリウス日、中国）</translation>
    </message>
    <message>
        <source>Epoch, method, longitude</source>
        <translation>紀元・方式・経度</translation>
    </message>
    <message>
        <source>CE (Common Era Calendar)</source>
        <translation>CE（西暦）</translation>
    </message>
    <message>
        <source>JC (Julian Calendar)</source>
        <translation>JC（ユリウス暦）</translation>
    </message>
    <message>
        <source>CJDL (Chronological Julian Date, London)</source>
        <translation>CJDL（暦日ユリウス日、ロンドン）</translation>
    </message>
    <message>
        <source>AJD (Astronomical Julian Date)</source>
        <translation>AJD（天文ユリウス日）</translation>
    </message>
    <message>
        <source>Phase of Moon and illumination</source>
        <translation>月相と輝面比</translation>
    </message>
    <message>
        <source>Lunation and age of Moon</source>
        <translation>朔望月番号と月齢</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Inability</source>
        <translation>実行できません</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>範囲外</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>入力が無効です</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Convert date</source>
        <translation>日付の変換</translation>
    </message>
    <message>
        <source>Invalid date or time entry</source>
        <translation>日付または時刻の入力が無効です</translation>
    </message>
    <message>
        <source>Date out of range</source>
        <translation>日付が範囲外です</translation>
    </message>
    <message>
        <source>Calendar?</source>
        <translation>どの暦ですか？</translation>
    </message>
    <message>
        <source>Save state</source>
        <translation>状態を保存</translation>
    </message>
    <message>
        <source>Restore state</source>
        <translation>状態を復元</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>画像の保存</translation>
    </message>
    <message>
        <source>Save as iCalendar</source>
        <translation>iCalendar で保存</translation>
    </message>
    <message>
        <source>Cannot launch web browser</source>
        <translation>ウェブブラウザーを起動できません</translation>
    </message>
    <message>
        <source>Error in listing</source>
        <translation>一覧の作成中にエラー</translation>
    </message>
    <message>
        <source>Calendar dates unchanged.</source>
        <translation>暦の日付は変わっていません。</translation>
    </message>
    <message>
        <source>No date specified.</source>
        <translation>日付が入力されていません。</translation>
    </message>
    <message>
        <source>Calendar must be specified (one of CHL, CHS, CE, JC, VMC, CJDL, CJDC, AJD).</source>
        <translation>暦を指定してください（CHL、CHS、CE、JC、VMC、CJDL、CJDC、AJD のいずれか）。</translation>
    </message>
    <message>
        <source>Time specification not permitted in date string.</source>
        <translation>日付の中に時刻は書けません。</translation>
    </message>
    <message>
        <source>Invalid time specification.  Times must be, e.g., %1:%2.</source>
        <translation>時刻が無効です。時刻は %1:%2 のように書きます。</translation>
    </message>
    <message>
        <source>Date separator must be a dash, &apos;-&apos;.</source>
        <translation>日付の区切りはハイフン「-」にしてください。</translation>
    </message>
    <message>
        <source>Invalid CE date.  CE dates must be in ISO %1 format: year-month-day</source>
        <translation>CE の日付が無効です。CE の日付は ISO %1 形式（年-月-日）で書きます</translation>
    </message>
    <message>
        <source>Invalid JC date.  JC dates must be in ISO %1 format: year-month-day</source>
        <translation>JC の日付が無効です。JC の日付は ISO %1 形式（年-月-日）で書きます</translation>
    </message>
    <message>
        <source>Invalid VMC date.  VMC dates must be in ISO %1 format: year-month-day</source>
        <translation>VMC の日付が無効です。VMC の日付は ISO %1 形式（年-月-日）で書きます</translation>
    </message>
    <message>
        <source>Invalid CHL date.  CHL dates must be in the form &apos;cycle-position-month[*]-day&apos;</source>
        <translation>CHL の日付が無効です。CHL の日付は「周期-位置-月[*]-日」の形で書きます</translation>
    </message>
    <message>
        <source>Invalid CHL date.  CHL dates must be in the form &apos;cycle-position-month[*]-day&apos;.</source>
        <translation>CHL の日付が無効です。CHL の日付は「周期-位置-月[*]-日」の形で書きます。</translation>
    </message>
    <message>
        <source>or &apos;year-month-day&apos;, where &apos;year&apos; is the Overseas Chinese year, e.g. %1.</source>
        <translation>または「年-月-日」で、「年」は黄帝紀元の年（例：%1）です。</translation>
    </message>
    <message>
        <source>Or use &apos;?&apos; for position with a specified element-animal, e.g., %1-?-%2-%3,</source>
        <translation>あるいは位置を「?」にして五行と十二支を指定します（例：%1-?-%2-%3）。</translation>
    </message>
    <message>
        <source>and specify element-animal using the drop-down boxes.</source>
        <translation>五行と十二支はドロップダウンで選びます。</translation>
    </message>
    <message>
        <source>Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day</source>
        <translation>CHS の日付が無効です。CHS の日付は「周期-位置-節気-日」の形で書きます</translation>
    </message>
    <message>
        <source>Invalid CJDL, CJDC, or AJD date.  These must be, e.g., %1.%2 CJDL or %3,%4,%5 AJD.</source>
        <translation>CJDL、CJDC、AJD の日付が無効です。%1.%2 CJDL や %3,%4,%5 AJD のように書きます。</translation>
    </message>
    <message>
        <source>Error when parsing date string.</source>
        <translation>日付の解析中にエラーが起きました。</translation>
    </message>
    <message>
        <source>Invalid CHL date.  Day number exceeds number of days in the month.</source>
        <translation>CHL の日付が無効です。日がその月の日数を超えています。</translation>
    </message>
    <message>
        <source>Invalid plus/minus days.</source>
        <translation>加減する日数が無効です。</translation>
    </message>
    <message>
        <source>Date too early.</source>
        <translation>日付が早すぎます。</translation>
    </message>
    <message>
        <source>Date is earlier than -%1-%2-%3 CE.</source>
        <translation>日付が -%1-%2-%3 CE より前です。</translation>
    </message>
    <message>
        <source>Date is later than %1-%2-%3 CE.</source>
        <translation>日付が %1-%2-%3 CE より後です。</translation>
    </message>
    <message>
        <source>Earliest admissible date reached.</source>
        <translation>扱える最も早い日付に達しました。</translation>
    </message>
    <message>
        <source>Latest admissible date reached.</source>
        <translation>扱える最も遅い日付に達しました。</translation>
    </message>
    <message>
        <source>Earliest date exceeded.</source>
        <translation>最も早い日付を越えました。</translation>
    </message>
    <message>
        <source>Latest date exceeded.</source>
        <translation>最も遅い日付を越えました。</translation>
    </message>
    <message>
        <source>Earliest date reached.</source>
        <translation>最も早い日付に達しました。</translation>
    </message>
    <message>
        <source>Latest date reached.</source>
        <translation>最も遅い日付に達しました。</translation>
    </message>
    <message>
        <source>Unable to add a lunar month.</source>
        <translation>旧暦の月を 1 つ進められません。</translation>
    </message>
    <message>
        <source>Unable to subtract a lunar month.</source>
        <translation>旧暦の月を 1 つ戻せません。</translation>
    </message>
    <message>
        <source>Unable to add a lunar year.</source>
        <translation>旧暦の年を 1 つ進められません。</translation>
    </message>
    <message>
        <source>Unable to subtract a lunar year.</source>
        <translation>旧暦の年を 1 つ戻せません。</translation>
    </message>
    <message>
        <source>Unable to add a %1-year cycle (CHL).</source>
        <translation>%1 年周期（CHL）を 1 つ進められません。</translation>
    </message>
    <message>
        <source>Unable to subtract a %1-year cycle (CHL).</source>
        <translation>%1 年周期（CHL）を 1 つ戻せません。</translation>
    </message>
    <message>
        <source>Unable to add a solar term.</source>
        <translation>節気を 1 つ進められません。</translation>
    </message>
    <message>
        <source>Unable to subtract a solar term.</source>
        <translation>節気を 1 つ戻せません。</translation>
    </message>
    <message>
        <source>Unable to add a solar year.</source>
        <translation>節気年を 1 つ進められません。</translation>
    </message>
    <message>
        <source>Unable to subtract a solar year.</source>
        <translation>節気年を 1 つ戻せません。</translation>
    </message>
    <message>
        <source>Unable to add a %1-year cycle (CHS).</source>
        <translation>%1 年周期（CHS）を 1 つ進められません。</translation>
    </message>
    <message>
        <source>Unable to subtract a %1-year cycle (CHS).</source>
        <translation>%1 年周期（CHS）を 1 つ戻せません。</translation>
    </message>
    <message>
        <source>Unable to add a intercalary month.</source>
        <translation>次の閏月が見つかりません。</translation>
    </message>
    <message>
        <source>Unable to subtract a intercalary month.</source>
        <translation>前の閏月が見つかりません。</translation>
    </message>
    <message>
        <source>Lunar date is invalid.</source>
        <translation>旧暦の日付が無効です。</translation>
    </message>
    <message>
        <source>Solar date is invalid.</source>
        <translation>節気暦の日付が無効です。</translation>
    </message>
    <message>
        <source>Invalid lunar date results.</source>
        <translation>結果の旧暦の日付が無効です。</translation>
    </message>
    <message>
        <source>Invalid lunar date results</source>
        <translation>結果の旧暦の日付が無効です</translation>
    </message>
    <message>
        <source>Invalid solar date results.</source>
        <translation>結果の節気暦の日付が無効です。</translation>
    </message>
    <message>
        <source>Invalid solar date results</source>
        <translation>結果の節気暦の日付が無効です</translation>
    </message>
    <message>
        <source>No solar term found in the table of the current year.</source>
        <translation>今年の表に節気が見つかりません。</translation>
    </message>
    <message>
        <source>You must specify an element, an animal or both.</source>
        <translation>五行か十二支、またはその両方を指定してください。</translation>
    </message>
    <message>
        <source>Cannot find required dark moon.</source>
        <translation>必要な朔が見つかりません。</translation>
    </message>
    <message>
        <source>Cannot find a triple coincidence day.</source>
        <translation>三重一致日が見つかりません。</translation>
    </message>
    <message>
        <source>Error %1 in search process when converting lunar date to JDN.</source>
        <translation>検索中、旧暦の日付をユリウス日数に換算する際にエラー %1 が起きました。</translation>
    </message>
    <message>
        <source>You must specify an element or an animal or both</source>
        <translation>日・月・年のいずれか一つ以上について</translation>
    </message>
    <message>
        <source>for one or more of: day, month and year</source>
        <translation>五行か十二支、またはその両方を指定してください</translation>
    </message>
    <message>
        <source>There is no such day within %1 year.</source>
        <translation>%1 年以内にそのような日はありません。</translation>
    </message>
    <message>
        <source>There is no such day within %1 years.</source>
        <translation>%1 年以内にそのような日はありません。</translation>
    </message>
    <message>
        <source>There is no such day within %1 year of today.</source>
        <translation>今日から %1 年以内にそのような日はありません。</translation>
    </message>
    <message>
        <source>There is no such day within %1 years of today.</source>
        <translation>今日から %1 年以内にそのような日はありません。</translation>
    </message>
    <message>
        <source>There is no such day before %1-%2-%3 CE, the latest admitted date.</source>
        <translation>扱える最も遅い日付 %1-%2-%3 CE までにそのような日はありません。</translation>
    </message>
    <message>
        <source>There is no such day after -%1-%2-%3 CE, the earliest admitted date.</source>
        <translation>扱える最も早い日付 -%1-%2-%3 CE 以後にそのような日はありません。</translation>
    </message>
    <message>
        <source>Restore previous log configuration also?</source>
        <translation>以前のログ設定も復元しますか？</translation>
    </message>
    <message>
        <source>The list holds no dates to save.</source>
        <translation>一覧には保存する日付がありません。</translation>
    </message>
    <message>
        <source>The iCalendar file could not be written.</source>
        <translation>iCalendar ファイルを書き込めませんでした。</translation>
    </message>
    <message>
        <source>The dates have been saved in the iCalendar file (%1 event):</source>
        <translation>日付を iCalendar ファイルに保存しました（%1 件の予定）：</translation>
    </message>
    <message>
        <source>The dates have been saved in the iCalendar file (%1 events):</source>
        <translation>日付を iCalendar ファイルに保存しました（%1 件の予定）：</translation>
    </message>
    <message>
        <source>%1 date left out: an iCalendar file holds the years %2 to %3.</source>
        <translation>%1 件の日付を省きました：iCalendar ファイルに入るのは %2 年から %3 年までです。</translation>
    </message>
    <message>
        <source>%1 dates left out: an iCalendar file holds the years %2 to %3.</source>
        <translation>%1 件の日付を省きました：iCalendar ファイルに入るのは %2 年から %3 年までです。</translation>
    </message>
    <message>
        <source>The image has been saved in the PNG file</source>
        <translation>画像を PNG ファイルに保存しました</translation>
    </message>
    <message>
        <source>Save error.  The image has been saved instead in the BMP file</source>
        <translation>保存エラー。代わりに画像を BMP ファイルに保存しました</translation>
    </message>
    <message>
        <source>Error when attempting to save image.  Please try again.</source>
        <translation>画像の保存中にエラーが起きました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Error launching web browser, error code = %1.</source>
        <translation>ウェブブラウザーの起動でエラーが起きました。エラーコード = %1。</translation>
    </message>
    <message>
        <source>No program to open web pages was found.</source>
        <translation>ウェブページを開くプログラムが見つかりません。</translation>
    </message>
    <message>
        <source>No program to open this file was found.</source>
        <translation>このファイルを開くプログラムが見つかりません。</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>メモリが足りません。</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>もう一度お試しください。</translation>
    </message>
    <message>
        <source>Is this a CE Calendar date?</source>
        <translation>これは CE の日付ですか？</translation>
    </message>
    <message>
        <source>Is this a JC Calendar date?</source>
        <translation>これは JC の日付ですか？</translation>
    </message>
    <message>
        <source>Is this a CHL Calendar date?</source>
        <translation>これは CHL の日付ですか？</translation>
    </message>
    <message>
        <source>Is this a CHS Calendar date?</source>
        <translation>これは CHS の日付ですか？</translation>
    </message>
    <message>
        <source>Is this a AJD Calendar date?</source>
        <translation>これは AJD の日付ですか？</translation>
    </message>
    <message>
        <source>Is this a CJDC Calendar date?</source>
        <translation>これは CJDC の日付ですか？</translation>
    </message>
    <message>
        <source>Is this a CJDL Calendar date?</source>
        <translation>これは CJDL の日付ですか？</translation>
    </message>
    <message>
        <source>Is this a VMC Calendar date?</source>
        <translation>これは VMC の日付ですか？</translation>
    </message>
    <message>
        <source>Cannot find the festival or seasonal day.</source>
        <translation>その節日・雑節が見つかりません。</translation>
    </message>
</context>
<context>
    <name>MonthView</name>
    <message>
        <source>Lunaday</source>
        <translation>望の列</translation>
    </message>
    <message>
        <source>One quarter of the lunar month in each row</source>
        <translation>1 行に旧暦の月の 4 分の 1</translation>
    </message>
    <message>
        <source>computed for %1º E (the almanac of %2)</source>
        <translation>東経%1°で計算（%2年の暦）</translation>
    </message>
    <message>
        <source>computed for %1º%2′ E (the almanac of %3)</source>
        <translation>東経%1°%2′で計算（%3年の暦）</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E) had no such month</source>
        <translation>%1年の暦（東経%2°）にはこの月がない</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E) had no such month</source>
        <translation>%1年の暦（東経%2°%3′）にはこの月がない</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E): %3 days from %4-%5-%6 CE</source>
        <translation>%1年の暦（東経%2°）：西暦%4-%5-%6から%3日</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E): %4 days from %5-%6-%7 CE</source>
        <translation>%1年の暦（東経%2°%3′）：西暦%5-%6-%7から%4日</translation>
    </message>
    <message>
        <source>modern rule: the almanac of the time may differ</source>
        <translation>現代の規則による計算で、当時の暦とは異なる場合がある</translation>
    </message>
    <message>
        <source>computed for %1º E (the almanac of %2); modern rule: the almanac of the time may differ</source>
        <translation>東経%1°で計算（%2年の暦）；現代の規則による計算で、当時の暦とは異なる場合がある</translation>
    </message>
    <message>
        <source>computed for %1º%2′ E (the almanac of %3); modern rule: the almanac of the time may differ</source>
        <translation>東経%1°%2′で計算（%3年の暦）；現代の規則による計算で、当時の暦とは異なる場合がある</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E) had no such month; modern rule: the almanac of the time may differ</source>
        <translation>%1年の暦（東経%2°）にはこの月がない；現代の規則による計算で、当時の暦とは異なる場合がある</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E) had no such month; modern rule: the almanac of the time may differ</source>
        <translation>%1年の暦（東経%2°%3′）にはこの月がない；現代の規則による計算で、当時の暦とは異なる場合がある</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E): %3 days from %4-%5-%6 CE; modern rule: the almanac of the time may differ</source>
        <translation>%1年の暦（東経%2°）：西暦%4-%5-%6から%3日；現代の規則による計算で、当時の暦とは異なる場合がある</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E): %4 days from %5-%6-%7 CE; modern rule: the almanac of the time may differ</source>
        <translation>%1年の暦（東経%2°%3′）：西暦%5-%6-%7から%4日；現代の規則による計算で、当時の暦とは異なる場合がある</translation>
    </message>
</context>
<context>
    <name>NativeNames</name>
    <message>
        <source>%1-%2</source>
        <comment>an element and an animal: wood-rat</comment>
        <translation>%1・%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the two stems of an element</comment>
        <translation>%1か%2</translation>
    </message>
    <message>
        <source>%1 (%2) day</source>
        <translation>%1（%2）の日</translation>
    </message>
    <message>
        <source>%1 (%2) month</source>
        <translation>%1（%2）の月</translation>
    </message>
    <message>
        <source>%1 (%2) year</source>
        <translation>%1（%2）の年</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Copy selected text to clipboard</source>
        <translation>選択した文字をクリップボードにコピー</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>クリップボードにコピー</translation>
    </message>
    <message>
        <source>years</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Error in listing</source>
        <translation>一覧の作成中にエラー</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>within %1 year</source>
        <translation>%1 年以内</translation>
    </message>
    <message>
        <source>within %1 years</source>
        <translation>%1 年以内</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>Vietnam</source>
        <translation>ベトナム</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中国</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>-%1 = %2 BC</source>
        <translation>-%1 = 紀元前 %2 年</translation>
    </message>
    <message>
        <source>true sun</source>
        <translation>定気</translation>
    </message>
    <message>
        <source>mean sun</source>
        <translation>恒気</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>CE month</source>
        <translation>西暦の月</translation>
    </message>
    <message>
        <source>CE year</source>
        <translation>西暦の年</translation>
    </message>
    <message>
        <source>CE century</source>
        <translation>西暦の世紀</translation>
    </message>
    <message>
        <source>CHL month</source>
        <translation>旧暦の月</translation>
    </message>
    <message>
        <source>CHL year</source>
        <translation>旧暦の年</translation>
    </message>
    <message>
        <source>60-year cycle (CHL)</source>
        <translation>60 年周期（旧暦）</translation>
    </message>
    <message>
        <source>CHS solar term</source>
        <translation>節気</translation>
    </message>
    <message>
        <source>CHS year</source>
        <translation>節気年</translation>
    </message>
    <message>
        <source>60-year cycle (CHS)</source>
        <translation>60 年周期（節気暦）</translation>
    </message>
    <message>
        <source>60-day cycle</source>
        <translation>60 日周期</translation>
    </message>
    <message>
        <source>80-year cycle (JC)</source>
        <translation>80 年周期（ユリウス暦）</translation>
    </message>
    <message>
        <source>VMC month (ICT)</source>
        <translation>VMC の月（ICT）</translation>
    </message>
    <message>
        <source>VMC year (ICT)</source>
        <translation>VMC の年（ICT）</translation>
    </message>
    <message>
        <source>VMC month (CCT)</source>
        <translation>VMC の月（CCT）</translation>
    </message>
    <message>
        <source>VMC year (CCT)</source>
        <translation>VMC の年（CCT）</translation>
    </message>
    <message>
        <source>VMC month (JST)</source>
        <translation>VMC の月（JST）</translation>
    </message>
    <message>
        <source>VMC year (JST)</source>
        <translation>VMC の年（JST）</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>望（満月）</translation>
    </message>
    <message>
        <source>Dark moon</source>
        <translation>朔（新月）</translation>
    </message>
    <message>
        <source>Lunar quarter</source>
        <translation>上弦・下弦</translation>
    </message>
    <message>
        <source>Lunar new year</source>
        <translation>旧正月</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>冬至</translation>
    </message>
    <message>
        <source>Vernal equinox</source>
        <translation>春分</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>夏至</translation>
    </message>
    <message>
        <source>Autumnal equinox</source>
        <translation>秋分</translation>
    </message>
    <message>
        <source>Solstice or equinox</source>
        <translation>二至二分</translation>
    </message>
    <message>
        <source>Solar term</source>
        <translation>節気</translation>
    </message>
    <message>
        <source>Solar term + dark moon</source>
        <translation>節気 + 朔</translation>
    </message>
    <message>
        <source>Solar term + full moon</source>
        <translation>節気 + 望</translation>
    </message>
    <message>
        <source>Winter solstice + dark moon</source>
        <translation>冬至 + 朔</translation>
    </message>
    <message>
        <source>Solstice/equinox + dark moon</source>
        <translation>二至二分 + 朔</translation>
    </message>
    <message>
        <source>Solstice/equinox + full moon</source>
        <translation>二至二分 + 望</translation>
    </message>
    <message>
        <source>Element-animal day</source>
        <translation>五行・十二支の日</translation>
    </message>
    <message>
        <source>Element-animal month</source>
        <translation>五行・十二支の月</translation>
    </message>
    <message>
        <source>Element-animal year</source>
        <translation>五行・十二支の年</translation>
    </message>
    <message>
        <source>Triple coincidence day</source>
        <translation>三重一致日</translation>
    </message>
    <message>
        <source>Same element-animal day and month</source>
        <translation>日と月が同じ五行・十二支</translation>
    </message>
    <message>
        <source>Multiple element-animal day</source>
        <translation>複数条件の五行・十二支の日</translation>
    </message>
    <message>
        <source>Intercalary month</source>
        <translation>閏月</translation>
    </message>
    <message>
        <source>Korea</source>
        <translation>韓国</translation>
    </message>
    <message>
        <source>VMC month (KST)</source>
        <translation>VMC の月（KST）</translation>
    </message>
    <message>
        <source>VMC year (KST)</source>
        <translation>VMC の年（KST）</translation>
    </message>
    <message>
        <source>Festival or seasonal day</source>
        <translation>節日・雑節</translation>
    </message>
</context>
<context>
    <name>WindowLanguage</name>
    <message>
        <source>en</source>
        <extracomment>The tag of this translation&apos;s language, exactly one of: zh-Hans zh-Hant vi ja ko. The windows name the calendar&apos;s stems, branches, elements and animals in it.</extracomment>
        <translation>ja</translation>
    </message>
</context>
<context>
    <name>mirvo::CommandPanel</name>
    <message>
        <source>Show lunar calendar month</source>
        <translation>旧暦の月を表示</translation>
    </message>
    <message>
        <source>Dark moons &amp;&amp; solar terms</source>
        <translation>朔と節気</translation>
    </message>
    <message>
        <source>Lunar new years</source>
        <translation>旧正月</translation>
    </message>
    <message>
        <source>Month starts / leap months</source>
        <translation>月初 / 閏月</translation>
    </message>
    <message>
        <source>European new years</source>
        <translation>西洋暦の元日</translation>
    </message>
    <message>
        <source>Add to log</source>
        <translation>ログに追加</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>ログをクリア</translation>
    </message>
    <message>
        <source>Configure log</source>
        <translation>ログの設定</translation>
    </message>
    <message>
        <source>Save state</source>
        <translation>状態を保存</translation>
    </message>
    <message>
        <source>Restore state</source>
        <translation>状態を復元</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Brisvale software</source>
        <extracomment>The maker&apos;s programs; Brisvale is its name.</extracomment>
        <translation>Brisvale のソフトウェア</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>Compare suns</source>
        <translation>太陽の比較</translation>
    </message>
    <message>
        <source>Dates/times/CJDs of dark moons &amp; solar terms</source>
        <translation>朔と節気の日付・時刻・暦日ユリウス日</translation>
    </message>
    <message>
        <source>Online documentation</source>
        <translation>オンライン文書</translation>
    </message>
    <message>
        <source>Open the project page %1</source>
        <translation>プロジェクトのページ %1 を開く</translation>
    </message>
    <message>
        <source>Open the user manual that came with the program (in English)</source>
        <translation>プログラム付属のユーザーマニュアル（英語）を開く</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>節日</translation>
    </message>
</context>
<context>
    <name>mirvo::ConvertPanel</name>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>時間帯</translation>
    </message>
    <message>
        <source>e.g. 2024-02-10 CE, 79-41-1-1 CHL, 4722-1-1 CHL</source>
        <extracomment>Examples of dates typed with their calendar&apos;s code; the codes stay as they are.</extracomment>
        <translation>例：2024-02-10 CE、79-41-1-1 CHL、4722-1-1 CHL</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <extracomment>Hours and minutes.</extracomment>
        <translation>時:分</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>加算</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>減算</translation>
    </message>
    <message>
        <source>days</source>
        <translation>日</translation>
    </message>
    <message>
        <source>element</source>
        <translation>五行</translation>
    </message>
    <message>
        <source>animal</source>
        <translation>十二支</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
</context>
<context>
    <name>mirvo::LogPanel</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>ログの表示</translation>
    </message>
    <message>
        <source>Log is empty</source>
        <translation>ログは空です</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>ログをクリア</translation>
    </message>
    <message>
        <source>Erase all data in the log?</source>
        <translation>ログの内容をすべて消去しますか？</translation>
    </message>
</context>
<context>
    <name>mirvo::MoonNamesPanel</name>
    <message>
        <source>%1 year (%2)</source>
        <extracomment>The names panel: %1 the stems and branches (甲辰), %2 the element and animal.</extracomment>
        <translation>%1年（%2）</translation>
    </message>
    <message>
        <source>%1 month (%2)</source>
        <translation>%1月（%2）</translation>
    </message>
    <message>
        <source>%1 day (%2)</source>
        <translation>%1日（%2）</translation>
    </message>
</context>
<context>
    <name>mirvo::MovePanel</name>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>未来へ</translation>
    </message>
    <message>
        <source>back</source>
        <translation>過去へ</translation>
    </message>
    <message>
        <source>repeatedly</source>
        <translation>連続</translation>
    </message>
    <message>
        <source>one day</source>
        <translation>1日</translation>
    </message>
    <message>
        <source>keep 30th</source>
        <translation>30日を保持</translation>
    </message>
    <message>
        <source>keep leap</source>
        <translation>閏月を保持</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Refresh period (in seconds):</source>
        <translation>更新間隔（秒）：</translation>
    </message>
</context>
<context>
    <name>mirvo::SearchPanel</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>next</source>
        <translation>次</translation>
    </message>
    <message>
        <source>previous</source>
        <translation>前</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>検索中</translation>
    </message>
</context>
<context>
    <name>mirvo::SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>紀元</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>方式</translation>
    </message>
    <message>
        <source>º E</source>
        <extracomment>After the longitude: degrees east of Greenwich.</extracomment>
        <translation>°E</translation>
    </message>
    <message>
        <source>The zone label of the reference meridian</source>
        <translation>基準子午線の時間帯の略号</translation>
    </message>
    <message>
        <source>Show Vellomir Calendar</source>
        <translation>ヴェロミール暦を表示</translation>
    </message>
    <message>
        <source>Show chronological JDs</source>
        <translation>暦日ユリウス日を表示</translation>
    </message>
    <message>
        <source>Auto log</source>
        <translation>自動記録</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the language of the windows follows the system&apos;s locale</comment>
        <translation>システムに従う</translation>
    </message>
    <message>
        <source>The language of the windows; System follows the locale (English where the program has no translation)</source>
        <translation>ウィンドウの言語。「システムに従う」はロケールに合わせます（翻訳がない場合は英語）</translation>
    </message>
    <message>
        <source>Follow the calendar&apos;s history</source>
        <translation>暦法の沿革に従う</translation>
    </message>
    <message>
        <source>Compute each lunar year for the meridian of its country&apos;s almanac of the time (China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911)</source>
        <translation>各旧暦年を、その国の当時の暦が用いた子午線で計算します（中国は1928年まで東経116°25′、ベトナムは1967年まで東経120°、韓国は1911年まで東経120°）</translation>
    </message>
</context>
<context>
    <name>mirvo::frmBVsoftware</name>
    <message>
        <source>A calendar converter and almanac for the Chinese lunisolar calendar and its Vietnamese and Japanese variants: one instant shown in the Common Era and Julian calendars, the Chinese lunar and solar calendars, the Vellomir Calendar and the Julian day counts, with the element-animal names of the year, month and day, the phase and age of the Moon and Delta T.</source>
        <translation>中国の太陰太陽暦とそのベトナム・日本での変種のための暦変換・暦書プログラム。一つの時刻を西暦、ユリウス暦、中国の旧暦と節気暦、ヴェロミール暦、ユリウス日数で同時に示し、年・月・日の五行と十二支、月相と月齢、ΔT も表示します。</translation>
    </message>
    <message>
        <source>Brisvale Systems software</source>
        <extracomment>Brisvale Systems is the maker&apos;s name.</extracomment>
        <translation>Brisvale Systems のソフトウェア</translation>
    </message>
    <message>
        <source>Open page</source>
        <translation>ページを開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>mirvo::frmCalendar</name>
    <message>
        <source>Show previous month</source>
        <translation>前の月を表示</translation>
    </message>
    <message>
        <source>Show next month</source>
        <translation>次の月を表示</translation>
    </message>
    <message>
        <source>Save as PNG image</source>
        <translation>PNG 画像で保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1 of the %2 year (%3), position %4 of cycle %5 (year %6)</source>
        <extracomment>%1 the lunar month, %2 the year&apos;s stems and branches, %3 its element and animal, %4 the year&apos;s place in the 60-year cycle, %5 the cycle&apos;s number, %6 the year counted from the epoch.</extracomment>
        <translation>%2年（%3） 旧暦%1&#x3000;第 %5 周期の %4 番目（黄帝紀元 %6 年）</translation>
    </message>
    <message>
        <source>Common Era year %1 (%2) - %3 (%4)</source>
        <extracomment>The Common Era years and months of the lunar month: 2033 (December) - 2034 (January).</extracomment>
        <translation>西暦 %1 年%2 ～ %3 年%4</translation>
    </message>
    <message>
        <source>Common Era year %1, month of %2</source>
        <translation>西暦 %1 年%2</translation>
    </message>
    <message>
        <source>Common Era year %1 (%2-%3)</source>
        <translation>西暦 %1 年%2～%3</translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <extracomment>A cell&apos;s Common Era date: %1 the weekday&apos;s short name, %2 the month&apos;s number, %3 the day.</extracomment>
        <translation>%2月%3日（%1）</translation>
    </message>
    <message>
        <source>Uncertain</source>
        <translation>不確か</translation>
    </message>
</context>
<context>
    <name>mirvo::frmCredits</name>
    <message>
        <source>Credits</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mirvo&lt;/b&gt; rests on published work:</source>
        <translation>&lt;b&gt;Mirvo&lt;/b&gt; は次の公刊された業績に基づいています：</translation>
    </message>
    <message>
        <source>the Moon from the ELP/MPP02 lunar theory of J. Chapront and G. Francou;</source>
        <translation>月：J. Chapront と G. Francou の月理論 ELP/MPP02</translation>
    </message>
    <message>
        <source>the Sun from the VSOP87 planetary theory of P. Bretagnon and G. Francou;</source>
        <translation>太陽：P. Bretagnon と G. Francou の惑星理論 VSOP87</translation>
    </message>
    <message>
        <source>Delta T from the Earth-orientation observations of the IERS (1962 on) and the long-term record of L. V. Morrison, F. R. Stephenson, C. Y. Hohenkerk and M. Zawilski (2021) before;</source>
        <translation>ΔT：1962 年以降は IERS の地球回転観測、それ以前は L. V. Morrison、F. R. Stephenson、C. Y. Hohenkerk、M. Zawilski（2021）の長期記録</translation>
    </message>
    <message>
        <source>the rules of the Chinese calendar as set out by Helmer Aslaksen, &lt;i&gt;The Mathematics of the Chinese Calendar&lt;/i&gt;;</source>
        <translation>中国暦の規則：Helmer Aslaksen『&lt;i&gt;The Mathematics of the Chinese Calendar&lt;/i&gt;』による</translation>
    </message>
    <message>
        <source>day counts and calendar arithmetic after J. Meeus, &lt;i&gt;Astronomical Algorithms&lt;/i&gt;.</source>
        <translation>日数と暦の計算：J. Meeus『&lt;i&gt;Astronomical Algorithms&lt;/i&gt;』による</translation>
    </message>
    <message>
        <source>The stem and branch characters are written in the WenQuanYi Micro Hei font.</source>
        <translation>干支の文字は WenQuanYi Micro Hei フォントで表示しています。</translation>
    </message>
    <message>
        <source>The windows&apos; Chinese, Japanese and Korean texts are written in the Noto Sans CJK fonts.</source>
        <translation>ウィンドウの中国語・日本語・韓国語は Noto Sans CJK フォントで表示しています。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>mirvo::frmData</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>mirvo::frmHelp</name>
    <message>
        <source>Mirvo: calendar converter</source>
        <translation>Mirvo：暦の変換</translation>
    </message>
    <message>
        <source>The main window keeps one &lt;b&gt;current instant&lt;/b&gt; and shows it at once in every reckoning. Type a date in any of them, press &lt;b&gt;Convert&lt;/b&gt; (or Enter), and every row follows. &lt;b&gt;Now&lt;/b&gt; returns to the present moment; &lt;b&gt;Move&lt;/b&gt; steps the instant, &lt;b&gt;Search for&lt;/b&gt; finds events, and the buttons on the right open the listings, the lunar calendar month and the log. The user manual (the link &quot;Online documentation&quot;) tells all of it in detail.</source>
        <translation>メインウィンドウは一つの&lt;b&gt;現在の時刻&lt;/b&gt;を持ち、それをすべての暦で同時に表示します。どの暦で日付を入力しても、&lt;b&gt;変換&lt;/b&gt;（または Enter）を押せばすべての行がそれに従います。&lt;b&gt;現在&lt;/b&gt;は今の時刻に戻り、&lt;b&gt;移動&lt;/b&gt;は時刻を一歩ずつ動かし、&lt;b&gt;検索&lt;/b&gt;は天文現象や暦日を探します。右側のボタンは一覧、旧暦の月、ログを開きます。詳しくはユーザーマニュアル（リンク「オンライン文書」）をご覧ください。</translation>
    </message>
    <message>
        <source>The user manual is written in English.</source>
        <extracomment>Said only in the translated help: the manual has no translation.</extracomment>
        <translation>ユーザーマニュアルは英語です。</translation>
    </message>
    <message>
        <source>The reckonings</source>
        <translation>暦の種類</translation>
    </message>
    <message>
        <source>&lt;b&gt;CE&lt;/b&gt;: the Common Era (Gregorian) calendar, also before 1582. Years are astronomical: the year before 1 is 0, and 44 BC is -43.</source>
        <translation>&lt;b&gt;CE&lt;/b&gt;：西暦（グレゴリオ暦）。1582 年より前にも適用します。年は天文学式で、1 年の前年は 0 年、紀元前 44 年は -43 年です。</translation>
    </message>
    <message>
        <source>&lt;b&gt;JC&lt;/b&gt;: the Julian Calendar, with the same year numbers.</source>
        <translation>&lt;b&gt;JC&lt;/b&gt;：ユリウス暦。年の数え方は同じです。</translation>
    </message>
    <message>
        <source>&lt;b&gt;CHL&lt;/b&gt;: the Chinese lunar calendar. A date is written &lt;i&gt;cycle-position-month-day&lt;/i&gt;: the 60-year cycle (cycle 1 began in 2697 BC, or 2637 BC with the other epoch), the year&apos;s place 1 to 60 in it, the month (a &lt;b&gt;*&lt;/b&gt; marks a leap month) and the day 1 to 30. A month begins on the civil day, at the reference meridian, of a dark moon; the month holding the winter solstice is month 11; a year of 13 months repeats the first month that holds no major solar term.</source>
        <translation>&lt;b&gt;CHL&lt;/b&gt;：中国の旧暦。日付は&lt;i&gt;周期-位置-月-日&lt;/i&gt;と書きます。60 年周期の番号（第 1 周期は紀元前 2697 年、もう一つの紀元では紀元前 2637 年に始まる）、周期の中の年の位置 1～60、月（&lt;b&gt;*&lt;/b&gt; は閏月）、日 1～30 です。月は基準子午線での朔の日に始まり、冬至を含む月が 11 月です。13 か月の年では、中気を含まない最初の月が閏月になります。</translation>
    </message>
    <message>
        <source>&lt;b&gt;CHS&lt;/b&gt;: the Chinese solar calendar: &lt;i&gt;cycle-position-solarterm-day&lt;/i&gt;. The 24 solar terms are the 15° steps of the Sun&apos;s apparent longitude; the solar year begins at the winter solstice (term 1). On the first day of a term the row shows the term&apos;s code in parentheses.</source>
        <translation>&lt;b&gt;CHS&lt;/b&gt;：中国の節気暦。&lt;i&gt;周期-位置-節気-日&lt;/i&gt;と書きます。二十四節気は太陽の視黄経の 15° ごとの区切りで、節気年は冬至（第 1 節気）に始まります。節気の初日には、その行に節気の記号が括弧付きで表示されます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;VMC&lt;/b&gt;: the Vellomir Calendar, an arithmetic lunisolar calendar, shown for Greenwich and for the reference meridian. The small note under it tells how its month and day compare with the lunar date.</source>
        <translation>&lt;b&gt;VMC&lt;/b&gt;：ヴェロミール暦。計算規則による太陰太陽暦で、グリニッジと基準子午線について表示します。下の小さな注記は、その月日を旧暦の日付と比べた結果です。</translation>
    </message>
    <message>
        <source>&lt;b&gt;CJDL&lt;/b&gt;, &lt;b&gt;CJDC&lt;/b&gt;: chronological Julian dates, the civil days counted at London and at the reference meridian (shown when &quot;Show chronological JDs&quot; is ticked). &lt;b&gt;AJD&lt;/b&gt;: the astronomical Julian date, counted from noon Universal Time.</source>
        <translation>&lt;b&gt;CJDL&lt;/b&gt;・&lt;b&gt;CJDC&lt;/b&gt;：暦日ユリウス日。ロンドンと基準子午線で数えた暦日です（「暦日ユリウス日を表示」にチェックすると表示）。&lt;b&gt;AJD&lt;/b&gt;：天文ユリウス日。世界時の正午から数えます。</translation>
    </message>
    <message>
        <source>Beside the dates the window names the element and animal of the year, the lunar month and the day, shows the Moon&apos;s phase, illumination and age, and Delta T (the difference between the uniform time of the ephemeris and the time kept by the Earth&apos;s rotation). For China the year and the day are also shown as their written stem and branch.</source>
        <translation>日付の横には、年・旧暦の月・日の五行と十二支、月相・輝面比・月齢、ΔT（暦表の一様な時間と地球の自転による時間との差）を示します。国が中国のときは、年と日を干支の文字でも示します。</translation>
    </message>
    <message>
        <source>Typing a date</source>
        <translation>日付の入力</translation>
    </message>
    <message>
        <source>End the date with the code of its calendar; case and spaces do not matter, and &quot;,&quot; may group thousands. Examples:</source>
        <translation>日付の後に暦の記号を書きます。大文字・小文字や空白は問わず、「,」で千の位を区切れます。例：</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>暦</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>例</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>年-月-日</translation>
    </message>
    <message>
        <source>cycle-position-month[*]-day</source>
        <translation>周期-位置-月[*]-日</translation>
    </message>
    <message>
        <source>CHL (China)</source>
        <translation>CHL（中国）</translation>
    </message>
    <message>
        <source>year-month-day, with the Overseas Chinese year</source>
        <translation>年-月-日（年は黄帝紀元）</translation>
    </message>
    <message>
        <source>&quot;?&quot; for the position: choose the element and the animal in the lists</source>
        <translation>位置を「?」にし、五行と十二支を一覧から選ぶ</translation>
    </message>
    <message>
        <source>70-?-12-30 CHL with fire and dog</source>
        <translation>70-?-12-30 CHL（火と犬を選ぶ）</translation>
    </message>
    <message>
        <source>cycle-position-solarterm-day</source>
        <translation>周期-位置-節気-日</translation>
    </message>
    <message>
        <source>a decimal number</source>
        <translation>10 進数</translation>
    </message>
    <message>
        <source>The time goes in the &lt;b&gt;Time&lt;/b&gt; box as hours:minutes (12:00 when empty), and &lt;b&gt;Zone&lt;/b&gt; says whether it is Greenwich time (GMT) or the time of the reference meridian. Dates without a code are taken, after a question, in the current entry calendar (the row whose caption is white).</source>
        <translation>時刻は&lt;b&gt;時刻&lt;/b&gt;欄に「時:分」で入れます（空欄なら 12:00）。&lt;b&gt;時間帯&lt;/b&gt;では、それがグリニッジ時（GMT）か基準子午線の時刻かを選びます。記号のない日付は、確認のうえ現在の入力暦（見出しが白い行）の日付とみなします。</translation>
    </message>
    <message>
        <source>To add or subtract days, put the number in the &lt;b&gt;plus/minus&lt;/b&gt; box and choose plus or minus; with an empty date box the current date is used, so 10 with plus moves ten days ahead.</source>
        <translation>日数を加減するには、&lt;b&gt;加算/減算&lt;/b&gt;欄に日数を入れて加算か減算を選びます。日付欄が空なら現在の日付を使うので、10 で加算を選べば 10 日先に進みます。</translation>
    </message>
    <message>
        <source>A click on a row copies its value to the clipboard and makes that calendar the entry calendar; a click on the value also puts it into the entry boxes, ready to be edited and converted.</source>
        <translation>行をクリックすると、その値がクリップボードにコピーされ、その暦が入力暦になります。値そのものをクリックすると入力欄にも入り、編集して変換できます。</translation>
    </message>
    <message>
        <source>Dates from -3000-01-01 CE to 3000-01-01 CE are accepted.</source>
        <translation>-3000-01-01 CE から 3000-01-01 CE までの日付を扱えます。</translation>
    </message>
    <message>
        <source>When a lunar month&apos;s first day, number or leap status rests on a new moon or solar term closer to midnight than the uncertainty of its time, the tooltip of the lunar date says so and names the day other tables may give; the lunar calendar month notes it in its top right cell.</source>
        <translation>旧暦の月の初日・番号・閏の別が、時刻の誤差よりも真夜中に近い朔や節気で決まる場合、旧暦の日付のツールチップにその旨と他の暦表が示しうる日を表示し、旧暦の月の画面では右上の枠に注記します。</translation>
    </message>
    <message>
        <source>Moving and searching</source>
        <translation>移動と検索</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move&lt;/b&gt; forward or back 1 step: a minute, hour, day or 60 days, or a month, year or century of the CE, lunar (CHL), solar (CHS), Julian or Vellomir calendar, each in its own arithmetic (a CHL month goes through leap months). With &lt;b&gt;repeatedly&lt;/b&gt; it steps again at the refresh period until &lt;b&gt;Stop&lt;/b&gt;, with &lt;b&gt;Pause&lt;/b&gt; and &lt;b&gt;Resume&lt;/b&gt;; &lt;b&gt;keep 30th&lt;/b&gt; and &lt;b&gt;keep leap&lt;/b&gt; then bring a lunar date back to day 30 or into its leap month where they exist. &lt;b&gt;one day&lt;/b&gt; moves exactly one day.</source>
        <translation>&lt;b&gt;移動&lt;/b&gt;は未来へまたは過去へ 1 歩進めます。1 分、1 時間、1 日、60 日、あるいは西暦・旧暦（CHL）・節気暦（CHS）・ユリウス暦・ヴェロミール暦の 1 か月、1 年、1 世紀で、それぞれの暦の計算に従います（CHL の月は閏月も通ります）。&lt;b&gt;連続&lt;/b&gt;にすると、&lt;b&gt;停止&lt;/b&gt;するまで更新間隔ごとに進み、&lt;b&gt;一時停止&lt;/b&gt;と&lt;b&gt;再開&lt;/b&gt;もできます。このとき&lt;b&gt;30日を保持&lt;/b&gt;と&lt;b&gt;閏月を保持&lt;/b&gt;は、30 日や閏月がある所で旧暦の日付をそこへ戻します。&lt;b&gt;1日&lt;/b&gt;はちょうど 1 日動かします。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search for&lt;/b&gt; the next or previous full moon, dark moon, quarter, lunar new year, solstice, equinox or solar term, a dark or full moon on the first day of a term, a day, month or year of the element and animal chosen beside the date box, a triple coincidence day or a leap month. &quot;Multiple element-animal day&quot; opens a window for conditions on the day, the month and the year at once.</source>
        <translation>&lt;b&gt;検索&lt;/b&gt;は次または前の満月、朔、上弦・下弦、旧正月、二至二分、節気、節気の初日の朔や望、日付欄の横で選んだ五行と十二支の日・月・年、三重一致日、閏月を探します。「複数条件の五行・十二支の日」では、日・月・年の条件を同時に指定するウィンドウが開きます。</translation>
    </message>
    <message>
        <source>Listings and the month view</source>
        <translation>一覧と月の暦</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dark moons &amp;amp; solar terms&lt;/b&gt; lists the dark moons and solar terms of three solar years. &lt;b&gt;Lunar new years&lt;/b&gt;, &lt;b&gt;Month starts / leap months&lt;/b&gt; and &lt;b&gt;European new years&lt;/b&gt; list, over a number of years, the lunar new years (or anniversaries of the lunar date shown), the first days of the months or of the leap months, and the lunar date of each 1 January; &lt;b&gt;Stop&lt;/b&gt; ends a long list, and &lt;b&gt;Save as iCalendar…&lt;/b&gt; writes the lunar dates listed into a file that desktop, web and phone calendars import. &lt;b&gt;Show lunar calendar month&lt;/b&gt; draws the lunar month as a page of four rows, one quarter of the month each, with day 15 and day 30 in the &quot;Lunaday&quot; column; it steps through the months and saves the page as a PNG image.</source>
        <translation>&lt;b&gt;朔と節気&lt;/b&gt;は 3 節気年分の朔と節気を一覧にします。&lt;b&gt;旧正月&lt;/b&gt;、&lt;b&gt;月初 / 閏月&lt;/b&gt;、&lt;b&gt;西洋暦の元日&lt;/b&gt;は、指定した年数にわたって旧正月（または表示中の旧暦の日付の記念日）、各月または閏月の初日、毎年 1 月 1 日の旧暦の日付を一覧にします。&lt;b&gt;停止&lt;/b&gt;で長い一覧を止められ、&lt;b&gt;iCalendar で保存…&lt;/b&gt;は一覧の旧暦の日付を、パソコン・ウェブ・スマートフォンのカレンダーに取り込めるファイルに書き出します。&lt;b&gt;旧暦の月を表示&lt;/b&gt;は旧暦の 1 か月を 4 行のページに描きます。1 行が月の 4 分の 1 で、15 日と 30 日は「望の列」に入ります。月ごとにめくり、ページを PNG 画像で保存できます。</translation>
    </message>
    <message>
        <source>The listings and the log entries are written in English, as mirvo-cli writes them.</source>
        <extracomment>Said only in the translated help.</extracomment>
        <translation>一覧とログの項目は、mirvo-cli と同じく英語で書かれます。</translation>
    </message>
    <message>
        <source>The log and the saved state</source>
        <translation>ログと保存された状態</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add to log&lt;/b&gt; writes the instant into the log in the reckonings chosen under &lt;b&gt;Configure log&lt;/b&gt;; &lt;b&gt;View log&lt;/b&gt; shows it for editing and copying, &lt;b&gt;Clear log&lt;/b&gt; empties it. With &lt;b&gt;Auto log&lt;/b&gt; every Now, conversion, move and search adds an entry headed by what was done. &lt;b&gt;Save state&lt;/b&gt;, &lt;b&gt;Quit&lt;/b&gt; and closing the window keep the instant and every choice for the next start; &lt;b&gt;Restore state&lt;/b&gt; goes back to them.</source>
        <translation>&lt;b&gt;ログに追加&lt;/b&gt;は、&lt;b&gt;ログの設定&lt;/b&gt;で選んだ暦で時刻をログに書き込みます。&lt;b&gt;ログを表示&lt;/b&gt;で編集やコピーができ、&lt;b&gt;ログをクリア&lt;/b&gt;で空にします。&lt;b&gt;自動記録&lt;/b&gt;にすると、現在・変換・移動・検索のたびに、行った操作を見出しにした項目が加わります。&lt;b&gt;状態を保存&lt;/b&gt;、&lt;b&gt;終了&lt;/b&gt;、ウィンドウを閉じる操作は、時刻とすべての選択を次回の起動のために保存し、&lt;b&gt;状態を復元&lt;/b&gt;でそこへ戻ります。</translation>
    </message>
    <message>
        <source>The command-line tool</source>
        <translation>コマンドラインツール</translation>
    </message>
    <message>
        <source>&lt;code&gt;mirvo-cli&lt;/code&gt; prints the same calendar for scripts: &lt;code&gt;show&lt;/code&gt;, &lt;code&gt;move&lt;/code&gt;, &lt;code&gt;search&lt;/code&gt;, &lt;code&gt;list&lt;/code&gt;, &lt;code&gt;year-data&lt;/code&gt;, &lt;code&gt;month-view&lt;/code&gt;, &lt;code&gt;log-entry&lt;/code&gt;, &lt;code&gt;export&lt;/code&gt; (iCalendar files) and more; &lt;code&gt;mirvo-cli --help&lt;/code&gt; lists them all.</source>
        <translation>&lt;code&gt;mirvo-cli&lt;/code&gt; は同じ暦をスクリプト向けに出力します：&lt;code&gt;show&lt;/code&gt;、&lt;code&gt;move&lt;/code&gt;、&lt;code&gt;search&lt;/code&gt;、&lt;code&gt;list&lt;/code&gt;、&lt;code&gt;year-data&lt;/code&gt;、&lt;code&gt;month-view&lt;/code&gt;、&lt;code&gt;log-entry&lt;/code&gt;、&lt;code&gt;export&lt;/code&gt;（iCalendar ファイル）など。&lt;code&gt;mirvo-cli --help&lt;/code&gt; ですべてのコマンドを一覧できます。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&lt;b&gt;Longitude&lt;/b&gt;: the reference meridian itself, 100° to 145° east, with its zone label (for example BEI for 116°, the meridian of Beijing). Months and terms begin on the civil day at this meridian, so a dark moon shortly before midnight can fall on different days for different meridians.</source>
        <translation>&lt;b&gt;経度&lt;/b&gt;：基準子午線そのもの（東経 100°～145°）と、その時間帯の略号（例：北京の子午線 116° は BEI）。月と節気はこの子午線での暦日に始まるので、真夜中直前の朔は子午線によって別の日になることがあります。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Epoch&lt;/b&gt;: the year of cycle 1, position 1: 2697 BC (-2696) or 2637 BC (-2636). It changes the cycle numbers, not the dates.</source>
        <translation>&lt;b&gt;紀元&lt;/b&gt;：第 1 周期の 1 番目の年。紀元前 2697 年（-2696）か紀元前 2637 年（-2636）です。変わるのは周期の番号で、日付は変わりません。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Method&lt;/b&gt;: &quot;true sun&quot; places the solar terms by the Sun&apos;s apparent longitude; &quot;mean sun&quot; divides the tropical year evenly, as the calendar did before 1645.</source>
        <translation>&lt;b&gt;方式&lt;/b&gt;：「定気」は太陽の視黄経で節気を定め、「恒気」は 1645 年より前の暦と同じく太陽年を等分します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Vellomir Calendar&lt;/b&gt; and &lt;b&gt;Show chronological JDs&lt;/b&gt; show or hide those rows; &lt;b&gt;Auto log&lt;/b&gt; is described above.</source>
        <translation>&lt;b&gt;ヴェロミール暦を表示&lt;/b&gt;と&lt;b&gt;暦日ユリウス日を表示&lt;/b&gt;はそれらの行を表示・非表示にします。&lt;b&gt;自動記録&lt;/b&gt;は上に述べたとおりです。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Language&lt;/b&gt;: the language of the windows. &lt;b&gt;System&lt;/b&gt; follows the locale of the desktop, English where the program has no translation. The choice takes effect at once and is remembered for the next start; the codes of the calendars and the dates typed stay the same in every language.</source>
        <translation>&lt;b&gt;言語&lt;/b&gt;：ウィンドウの言語。&lt;b&gt;システムに従う&lt;/b&gt;はデスクトップのロケールに合わせ、翻訳がない場合は英語になります。選択はすぐに反映され、次回の起動まで保たれます。暦の記号と入力する日付はどの言語でも同じです。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Reset&lt;/b&gt; restores the entry calendar, the display switches and the options, but keeps the country, longitude, epoch and method.</source>
        <translation>&lt;b&gt;リセット&lt;/b&gt;は入力暦、表示の切り替え、各オプションを元に戻しますが、国・経度・紀元・方式はそのままです。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (F1 in the date box, on Now, Move or Help) opens this window; &lt;b&gt;Brisvale software&lt;/b&gt; lists the maker&apos;s programs.</source>
        <translation>&lt;b&gt;ヘルプ&lt;/b&gt;（日付欄、現在、移動、ヘルプの上で F1）でこのウィンドウが開きます。&lt;b&gt;Brisvale のソフトウェア&lt;/b&gt;は作者のプログラムを一覧にします。</translation>
    </message>
    <message>
        <source>Mirvo Help</source>
        <translation>Mirvo ヘルプ</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&lt;b&gt;Country&lt;/b&gt;: Vietnam, China, Japan or Korea. It sets the reference meridian (105°, 120°, 135° or 135° east), the names of the animals (cat and goat in Vietnam, boar in Japan) and the colour of the window. The choice is remembered for the next start.</source>
        <translation>&lt;b&gt;国&lt;/b&gt;：ベトナム、中国、日本、韓国。基準子午線（東経 105°、120°、135°、135°）、十二支の動物名（ベトナムでは猫と山羊、日本では猪）、ウィンドウの色が決まります。選択は次回の起動まで保たれます。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Follow the calendar&apos;s history&lt;/b&gt;: each lunar year is computed for the meridian its country&apos;s almanac used that year (China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911). Dates before the years whose almanacs the modern rule reproduces (China 1912, Vietnam 1945, Korea 1900, Japan 1873) say in their tooltip that the almanac of the time may differ.</source>
        <translation>&lt;b&gt;暦法の沿革に従う&lt;/b&gt;：各旧暦年を、その国の暦がその年に用いた子午線で計算します（中国は1928年まで東経116°25′、ベトナムは1967年まで東経120°、韓国は1911年まで東経120°）。現代の規則が当時の暦を再現する年より前の日付（中国1912年、ベトナム1945年、韓国1900年、日本1873年）では、当時の暦と異なる場合があることをツールチップで示します。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Festivals&lt;/b&gt; lists the festivals and seasonal days of the country over a number of years; the line beside the lunar date and the cells of the month view name the day&apos;s, and Search finds the next or previous day of the one chosen.</source>
        <translation>&lt;b&gt;節日&lt;/b&gt;は国の節日と雑節を複数年にわたって一覧にします。旧暦の日付の横の行と月表示の各日の枠はその日の節日を示し、検索は選んだ節日の次または前の日を探します。</translation>
    </message>
</context>
<context>
    <name>mirvo::frmLog</name>
    <message>
        <source>Clear log</source>
        <translation>ログをクリア</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Log for %1</source>
        <translation>%1 のログ</translation>
    </message>
    <message>
        <source>Closing the log window in this way
causes its contents to be lost.

To preserve the contents, choose Cancel
and use the &apos;Close&apos; button.

Discard the log?</source>
        <translation>この方法でログウィンドウを閉じると
内容が失われます。

内容を残すには「キャンセル」を選び、
「閉じる」ボタンを使ってください。

ログを破棄しますか？</translation>
    </message>
    <message>
        <source>Close log</source>
        <translation>ログを閉じる</translation>
    </message>
    <message>
        <source>Erase all data in the log?</source>
        <translation>ログの内容をすべて消去しますか？</translation>
    </message>
</context>
<context>
    <name>mirvo::frmLogPreferences</name>
    <message>
        <source>Configure log entries</source>
        <translation>ログ項目の設定</translation>
    </message>
    <message>
        <source>Include in log entries:</source>
        <translation>ログの項目に含めるもの：</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国の暦</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>西洋の暦</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>天文</translation>
    </message>
    <message>
        <source>Set all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>すべて解除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>mirvo::frmMain</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>The translation of the windows into %1 could not be loaded; they stay in English.</source>
        <translation>ウィンドウの%1訳を読み込めませんでした。英語のままにします。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>mirvo::frmMultiple_El_An</name>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>starting from today</source>
        <translation>今日から</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Search for the next</source>
        <translation>次を検索</translation>
    </message>
    <message>
        <source>Search for the previous</source>
        <translation>前を検索</translation>
    </message>
</context>
</TS>
