<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DataWindowForm</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列出</translation>
    </message>
    <message>
        <source>Large window</source>
        <translation>大視窗</translation>
    </message>
    <message>
        <source>Include major solar terms (the Zs)</source>
        <extracomment>Z1 … Z12, the codes of the major terms, stay as they are.</extracomment>
        <translation>包括中氣（Z）</translation>
    </message>
    <message>
        <source>Include minor solar terms (the Js)</source>
        <extracomment>J1 … J12, the codes of the minor terms, stay as they are.</extracomment>
        <translation>包括節氣（J）</translation>
    </message>
    <message>
        <source>Display solar term names</source>
        <translation>顯示節氣名稱</translation>
    </message>
    <message>
        <source>Leap months only</source>
        <translation>僅列閏月</translation>
    </message>
    <message>
        <source>Omit invalid dates</source>
        <translation>略去無效日期</translation>
    </message>
    <message>
        <source>European calendar:</source>
        <translation>西曆：</translation>
    </message>
    <message>
        <source>Second test: a date to test</source>
        <translation>第二項測試：輸入要測試的日期</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Common Era (Gregorian):</source>
        <translation>西元（格里曆）：</translation>
    </message>
    <message>
        <source>Julian Calendar:</source>
        <translation>儒略曆：</translation>
    </message>
    <message>
        <source>Chinese Lunar:</source>
        <translation>中國農曆：</translation>
    </message>
    <message>
        <source>Chinese Solar:</source>
        <translation>中國節氣曆：</translation>
    </message>
    <message>
        <source>Vietnamese Lunar:</source>
        <translation>越南陰曆：</translation>
    </message>
    <message>
        <source>Vietnamese Solar:</source>
        <translation>越南節氣曆：</translation>
    </message>
    <message>
        <source>Japanese Lunar:</source>
        <translation>日本舊曆：</translation>
    </message>
    <message>
        <source>Japanese Solar:</source>
        <translation>日本節氣曆：</translation>
    </message>
    <message>
        <source>Vellomir Calendar:</source>
        <translation>維洛米爾曆：</translation>
    </message>
    <message>
        <source>Chronological JD London:</source>
        <translation>民用儒略日（倫敦）：</translation>
    </message>
    <message>
        <source>Chronological JD %1º East</source>
        <translation>民用儒略日（東經%1°）</translation>
    </message>
    <message>
        <source>Astronomical Julian date:</source>
        <translation>天文儒略日：</translation>
    </message>
    <message>
        <source>Phase of Moon, illumination:</source>
        <translation>月相與亮面比例：</translation>
    </message>
    <message>
        <source>[Lunation] Age of Moon:</source>
        <translation>[朔望月序號] 月齡：</translation>
    </message>
    <message>
        <source>Delta T:</source>
        <translation>ΔT（時差）：</translation>
    </message>
    <message>
        <source>VMC month &amp; day same as CHL</source>
        <translation>VMC 月、日與 CHL 相同</translation>
    </message>
    <message>
        <source>VMC date %1 day ahead of CHL</source>
        <translation>VMC 日期比 CHL 超前 %1 天</translation>
    </message>
    <message>
        <source>VMC date %1 day behind CHL</source>
        <translation>VMC 日期比 CHL 落後 %1 天</translation>
    </message>
    <message>
        <source>VMC date %1 month ahead of CHL</source>
        <translation>VMC 日期比 CHL 超前 %1 個月</translation>
    </message>
    <message>
        <source>VMC date %1 month behind CHL</source>
        <translation>VMC 日期比 CHL 落後 %1 個月</translation>
    </message>
    <message>
        <source>VMC month no. same as CHL</source>
        <translation>VMC 月序與 CHL 相同</translation>
    </message>
    <message>
        <source>VMC day no. same as CHL</source>
        <translation>VMC 日序與 CHL 相同</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>黃帝紀年 %1</translation>
    </message>
    <message>
        <source>Korean Lunar:</source>
        <translation>韓國陰曆：</translation>
    </message>
    <message>
        <source>Korean Solar:</source>
        <translation>韓國節氣曆：</translation>
    </message>
    <message>
        <source>Vietnamese Lunar (%1º E):</source>
        <translation>越南陰曆（東經%1°）：</translation>
    </message>
    <message>
        <source>Vietnamese Lunar (%1º%2′ E):</source>
        <translation>越南陰曆（東經%1°%2′）：</translation>
    </message>
    <message>
        <source>Chinese Lunar (%1º E):</source>
        <translation>中國農曆（東經%1°）：</translation>
    </message>
    <message>
        <source>Chinese Lunar (%1º%2′ E):</source>
        <translation>中國農曆（東經%1°%2′）：</translation>
    </message>
    <message>
        <source>Japanese Lunar (%1º E):</source>
        <translation>日本舊曆（東經%1°）：</translation>
    </message>
    <message>
        <source>Japanese Lunar (%1º%2′ E):</source>
        <translation>日本舊曆（東經%1°%2′）：</translation>
    </message>
    <message>
        <source>Korean Lunar (%1º E):</source>
        <translation>韓國陰曆（東經%1°）：</translation>
    </message>
    <message>
        <source>Korean Lunar (%1º%2′ E):</source>
        <translation>韓國陰曆（東經%1°%2′）：</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save the listed dates as an iCalendar file</source>
        <translation>將列出的日期儲存為 iCalendar 檔案</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics)</source>
        <translation>iCalendar 檔案 (*.ics)</translation>
    </message>
    <message>
        <source>Save image of this calendar month as a PNG file</source>
        <translation>將本月曆圖片儲存為 PNG 檔案</translation>
    </message>
    <message>
        <source>PNG graphics file (*.png)</source>
        <translation>PNG 圖片檔案 (*.png)</translation>
    </message>
</context>
<context>
    <name>Listings</name>
    <message>
        <source>Dates, times and CJDs of dark moons and solar terms</source>
        <translation>朔與節氣的日期、時刻和民用儒略日</translation>
    </message>
    <message>
        <source>Lunar new years &amp; anniversaries</source>
        <translation>農曆新年與週年紀念日</translation>
    </message>
    <message>
        <source>Lunar month starts &amp; leap months</source>
        <translation>農曆月首與閏月</translation>
    </message>
    <message>
        <source>Julian and CE new years</source>
        <translation>儒略曆與西元元旦</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>測試</translation>
    </message>
    <message>
        <source>Save as iCalendar…</source>
        <translation>儲存為 iCalendar…</translation>
    </message>
    <message>
        <source>years     Calculating ...</source>
        <translation>年     正在計算……</translation>
    </message>
    <message>
        <source>years     Calculating ... year %1</source>
        <translation>年     正在計算……第 %1 年</translation>
    </message>
    <message>
        <source>years     Calculating ... year -%1</source>
        <translation>年     正在計算……第 -%1 年</translation>
    </message>
    <message>
        <source>Festivals and seasonal days</source>
        <translation>節日與節令</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Expanded log entries</source>
        <translation>展開的日誌條目</translation>
    </message>
    <message>
        <source>Include Chinese terms</source>
        <translation>包括中文術語</translation>
    </message>
    <message>
        <source>View log after adding an entry</source>
        <translation>新增條目後檢視日誌</translation>
    </message>
    <message>
        <source>ChL (Chinese Lunar Calendar)</source>
        <translation>ChL（中國農曆）</translation>
    </message>
    <message>
        <source>ChS (Chinese Solar Calendar)</source>
        <translation>ChS（中國節氣曆）</translation>
    </message>
    <message>
        <source>CJDC (Chronological Julian Date, China)</source>
        <translation>CJDC（民用儒略日，中國）</translation>
    </message>
    <message>
        <source>Epoch, method, longitude</source>
        <translation>紀元、方法、經度</translation>
    </message>
    <message>
        <source>CE (Common Era Calendar)</source>
        <translation>CE（西元）</translation>
    </message>
    <message>
        <source>JC (Julian Calendar)</source>
        <translation>JC（儒略曆）</translation>
    </message>
    <message>
        <source>CJDL (Chronological Julian Date, London)</source>
        <translation>CJDL（民用儒略日，倫敦）</translation>
    </message>
    <message>
        <source>AJD (Astronomical Julian Date)</source>
        <translation>AJD（天文儒略日）</translation>
    </message>
    <message>
        <source>Phase of Moon and illumination</source>
        <translation>月相與亮面比例</translation>
    </message>
    <message>
        <source>Lunation and age of Moon</source>
        <translation>朔望月序號與月齡</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>未成功</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>無效</translation>
    </message>
    <message>
        <source>Inability</source>
        <translation>無法完成</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>超出範圍</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>輸入無效</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>Convert date</source>
        <translation>轉換日期</translation>
    </message>
    <message>
        <source>Invalid date or time entry</source>
        <translation>日期或時間輸入無效</translation>
    </message>
    <message>
        <source>Date out of range</source>
        <translation>日期超出範圍</translation>
    </message>
    <message>
        <source>Calendar?</source>
        <translation>哪種曆法？</translation>
    </message>
    <message>
        <source>Save state</source>
        <translation>儲存狀態</translation>
    </message>
    <message>
        <source>Restore state</source>
        <translation>還原狀態</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>儲存圖片</translation>
    </message>
    <message>
        <source>Save as iCalendar</source>
        <translation>儲存為 iCalendar</translation>
    </message>
    <message>
        <source>Cannot launch web browser</source>
        <translation>無法啟動網頁瀏覽器</translation>
    </message>
    <message>
        <source>Error in listing</source>
        <translation>清單出錯</translation>
    </message>
    <message>
        <source>Calendar dates unchanged.</source>
        <translation>各曆日期未變。</translation>
    </message>
    <message>
        <source>No date specified.</source>
        <translation>未輸入日期。</translation>
    </message>
    <message>
        <source>Calendar must be specified (one of CHL, CHS, CE, JC, VMC, CJDL, CJDC, AJD).</source>
        <translation>必須指明曆法（CHL、CHS、CE、JC、VMC、CJDL、CJDC、AJD 之一）。</translation>
    </message>
    <message>
        <source>Time specification not permitted in date string.</source>
        <translation>日期中不能包含時間。</translation>
    </message>
    <message>
        <source>Invalid time specification.  Times must be, e.g., %1:%2.</source>
        <translation>時間無效。時間應寫成 %1:%2 這樣的形式。</translation>
    </message>
    <message>
        <source>Date separator must be a dash, &apos;-&apos;.</source>
        <translation>日期分隔符號必須是連字號「-」。</translation>
    </message>
    <message>
        <source>Invalid CE date.  CE dates must be in ISO %1 format: year-month-day</source>
        <translation>CE 日期無效。CE 日期必須採用 ISO %1 格式：年-月-日</translation>
    </message>
    <message>
        <source>Invalid JC date.  JC dates must be in ISO %1 format: year-month-day</source>
        <translation>JC 日期無效。JC 日期必須採用 ISO %1 格式：年-月-日</translation>
    </message>
    <message>
        <source>Invalid VMC date.  VMC dates must be in ISO %1 format: year-month-day</source>
        <translation>VMC 日期無效。VMC 日期必須採用 ISO %1 格式：年-月-日</translation>
    </message>
    <message>
        <source>Invalid CHL date.  CHL dates must be in the form &apos;cycle-position-month[*]-day&apos;</source>
        <translation>CHL 日期無效。CHL 日期必須寫成「週期-年序-月[*]-日」</translation>
    </message>
    <message>
        <source>Invalid CHL date.  CHL dates must be in the form &apos;cycle-position-month[*]-day&apos;.</source>
        <translation>CHL 日期無效。CHL 日期必須寫成「週期-年序-月[*]-日」。</translation>
    </message>
    <message>
        <source>or &apos;year-month-day&apos;, where &apos;year&apos; is the Overseas Chinese year, e.g. %1.</source>
        <translation>或「年-月-日」，其中「年」為黃帝紀年，例如 %1。</translation>
    </message>
    <message>
        <source>Or use &apos;?&apos; for position with a specified element-animal, e.g., %1-?-%2-%3,</source>
        <translation>也可用「?」代替年序並指定五行生肖，例如 %1-?-%2-%3，</translation>
    </message>
    <message>
        <source>and specify element-animal using the drop-down boxes.</source>
        <translation>五行和生肖在下拉清單中選擇。</translation>
    </message>
    <message>
        <source>Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day</source>
        <translation>CHS 日期無效。CHS 日期必須寫成：週期-年序-節氣-日</translation>
    </message>
    <message>
        <source>Invalid CJDL, CJDC, or AJD date.  These must be, e.g., %1.%2 CJDL or %3,%4,%5 AJD.</source>
        <translation>CJDL、CJDC 或 AJD 日期無效。應寫成 %1.%2 CJDL 或 %3,%4,%5 AJD 這樣的形式。</translation>
    </message>
    <message>
        <source>Error when parsing date string.</source>
        <translation>解析日期時出錯。</translation>
    </message>
    <message>
        <source>Invalid CHL date.  Day number exceeds number of days in the month.</source>
        <translation>CHL 日期無效。日數超出了該月的天數。</translation>
    </message>
    <message>
        <source>Invalid plus/minus days.</source>
        <translation>加減天數無效。</translation>
    </message>
    <message>
        <source>Date too early.</source>
        <translation>日期過早。</translation>
    </message>
    <message>
        <source>Date is earlier than -%1-%2-%3 CE.</source>
        <translation>日期早於 -%1-%2-%3 CE。</translation>
    </message>
    <message>
        <source>Date is later than %1-%2-%3 CE.</source>
        <translation>日期晚於 %1-%2-%3 CE。</translation>
    </message>
    <message>
        <source>Earliest admissible date reached.</source>
        <translation>已到可用的最早日期。</translation>
    </message>
    <message>
        <source>Latest admissible date reached.</source>
        <translation>已到可用的最晚日期。</translation>
    </message>
    <message>
        <source>Earliest date exceeded.</source>
        <translation>超出了最早日期。</translation>
    </message>
    <message>
        <source>Latest date exceeded.</source>
        <translation>超出了最晚日期。</translation>
    </message>
    <message>
        <source>Earliest date reached.</source>
        <translation>已到最早日期。</translation>
    </message>
    <message>
        <source>Latest date reached.</source>
        <translation>已到最晚日期。</translation>
    </message>
    <message>
        <source>Unable to add a lunar month.</source>
        <translation>無法加一個農曆月。</translation>
    </message>
    <message>
        <source>Unable to subtract a lunar month.</source>
        <translation>無法減一個農曆月。</translation>
    </message>
    <message>
        <source>Unable to add a lunar year.</source>
        <translation>無法加一個農曆年。</translation>
    </message>
    <message>
        <source>Unable to subtract a lunar year.</source>
        <translation>無法減一個農曆年。</translation>
    </message>
    <message>
        <source>Unable to add a %1-year cycle (CHL).</source>
        <translation>無法加一個%1年週期（CHL）。</translation>
    </message>
    <message>
        <source>Unable to subtract a %1-year cycle (CHL).</source>
        <translation>無法減一個%1年週期（CHL）。</translation>
    </message>
    <message>
        <source>Unable to add a solar term.</source>
        <translation>無法加一個節氣。</translation>
    </message>
    <message>
        <source>Unable to subtract a solar term.</source>
        <translation>無法減一個節氣。</translation>
    </message>
    <message>
        <source>Unable to add a solar year.</source>
        <translation>無法加一個節氣年。</translation>
    </message>
    <message>
        <source>Unable to subtract a solar year.</source>
        <translation>無法減一個節氣年。</translation>
    </message>
    <message>
        <source>Unable to add a %1-year cycle (CHS).</source>
        <translation>無法加一個%1年週期（CHS）。</translation>
    </message>
    <message>
        <source>Unable to subtract a %1-year cycle (CHS).</source>
        <translation>無法減一個%1年週期（CHS）。</translation>
    </message>
    <message>
        <source>Unable to add a intercalary month.</source>
        <translation>無法往後找到閏月。</translation>
    </message>
    <message>
        <source>Unable to subtract a intercalary month.</source>
        <translation>無法往前找到閏月。</translation>
    </message>
    <message>
        <source>Lunar date is invalid.</source>
        <translation>農曆日期無效。</translation>
    </message>
    <message>
        <source>Solar date is invalid.</source>
        <translation>節氣曆日期無效。</translation>
    </message>
    <message>
        <source>Invalid lunar date results.</source>
        <translation>得出的農曆日期無效。</translation>
    </message>
    <message>
        <source>Invalid lunar date results</source>
        <translation>得出的農曆日期無效</translation>
    </message>
    <message>
        <source>Invalid solar date results.</source>
        <translation>得出的節氣曆日期無效。</translation>
    </message>
    <message>
        <source>Invalid solar date results</source>
        <translation>得出的節氣曆日期無效</translation>
    </message>
    <message>
        <source>No solar term found in the table of the current year.</source>
        <translation>本年的節氣表中找不到節氣。</translation>
    </message>
    <message>
        <source>You must specify an element, an animal or both.</source>
        <translation>請指定五行、生肖，或兩者都指定。</translation>
    </message>
    <message>
        <source>Cannot find required dark moon.</source>
        <translation>找不到所需的朔。</translation>
    </message>
    <message>
        <source>Cannot find a triple coincidence day.</source>
        <translation>找不到三重巧合日。</translation>
    </message>
    <message>
        <source>Error %1 in search process when converting lunar date to JDN.</source>
        <translation>搜尋過程中將農曆日期換算為儒略日數時出錯（%1）。</translation>
    </message>
    <message>
        <source>You must specify an element or an animal or both</source>
        <translation>請為日、月、年中的一項或多項</translation>
    </message>
    <message>
        <source>for one or more of: day, month and year</source>
        <translation>指定五行、生肖，或兩者都指定</translation>
    </message>
    <message>
        <source>There is no such day within %1 year.</source>
        <translation>%1 年之內沒有這樣的日子。</translation>
    </message>
    <message>
        <source>There is no such day within %1 years.</source>
        <translation>%1 年之內沒有這樣的日子。</translation>
    </message>
    <message>
        <source>There is no such day within %1 year of today.</source>
        <translation>從今天起 %1 年之內沒有這樣的日子。</translation>
    </message>
    <message>
        <source>There is no such day within %1 years of today.</source>
        <translation>從今天起 %1 年之內沒有這樣的日子。</translation>
    </message>
    <message>
        <source>There is no such day before %1-%2-%3 CE, the latest admitted date.</source>
        <translation>在可用的最晚日期 %1-%2-%3 CE 之前沒有這樣的日子。</translation>
    </message>
    <message>
        <source>There is no such day after -%1-%2-%3 CE, the earliest admitted date.</source>
        <translation>在可用的最早日期 -%1-%2-%3 CE 之後沒有這樣的日子。</translation>
    </message>
    <message>
        <source>Restore previous log configuration also?</source>
        <translation>同時還原先前的日誌設定嗎？</translation>
    </message>
    <message>
        <source>The list holds no dates to save.</source>
        <translation>清單中沒有可儲存的日期。</translation>
    </message>
    <message>
        <source>The iCalendar file could not be written.</source>
        <translation>無法寫入 iCalendar 檔案。</translation>
    </message>
    <message>
        <source>The dates have been saved in the iCalendar file (%1 event):</source>
        <translation>日期已儲存到 iCalendar 檔案（%1 個事件）：</translation>
    </message>
    <message>
        <source>The dates have been saved in the iCalendar file (%1 events):</source>
        <translation>日期已儲存到 iCalendar 檔案（%1 個事件）：</translation>
    </message>
    <message>
        <source>%1 date left out: an iCalendar file holds the years %2 to %3.</source>
        <translation>略去了 %1 個日期：iCalendar 檔案只能容納 %2 至 %3 年。</translation>
    </message>
    <message>
        <source>%1 dates left out: an iCalendar file holds the years %2 to %3.</source>
        <translation>略去了 %1 個日期：iCalendar 檔案只能容納 %2 至 %3 年。</translation>
    </message>
    <message>
        <source>The image has been saved in the PNG file</source>
        <translation>圖片已儲存到 PNG 檔案</translation>
    </message>
    <message>
        <source>Save error.  The image has been saved instead in the BMP file</source>
        <translation>儲存出錯。圖片已改存為 BMP 檔案</translation>
    </message>
    <message>
        <source>Error when attempting to save image.  Please try again.</source>
        <translation>儲存圖片時出錯。請重試。</translation>
    </message>
    <message>
        <source>Error launching web browser, error code = %1.</source>
        <translation>啟動網頁瀏覽器時出錯，錯誤代碼 = %1。</translation>
    </message>
    <message>
        <source>No program to open web pages was found.</source>
        <translation>找不到能開啟網頁的程式。</translation>
    </message>
    <message>
        <source>No program to open this file was found.</source>
        <translation>找不到能開啟此檔案的程式。</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>記憶體不足。</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>請再試一次。</translation>
    </message>
    <message>
        <source>Is this a CE Calendar date?</source>
        <translation>這是 CE 日期嗎？</translation>
    </message>
    <message>
        <source>Is this a JC Calendar date?</source>
        <translation>這是 JC 日期嗎？</translation>
    </message>
    <message>
        <source>Is this a CHL Calendar date?</source>
        <translation>這是 CHL 日期嗎？</translation>
    </message>
    <message>
        <source>Is this a CHS Calendar date?</source>
        <translation>這是 CHS 日期嗎？</translation>
    </message>
    <message>
        <source>Is this a AJD Calendar date?</source>
        <translation>這是 AJD 日期嗎？</translation>
    </message>
    <message>
        <source>Is this a CJDC Calendar date?</source>
        <translation>這是 CJDC 日期嗎？</translation>
    </message>
    <message>
        <source>Is this a CJDL Calendar date?</source>
        <translation>這是 CJDL 日期嗎？</translation>
    </message>
    <message>
        <source>Is this a VMC Calendar date?</source>
        <translation>這是 VMC 日期嗎？</translation>
    </message>
    <message>
        <source>Cannot find the festival or seasonal day.</source>
        <translation>找不到該節日或節令。</translation>
    </message>
</context>
<context>
    <name>MonthView</name>
    <message>
        <source>Lunaday</source>
        <translation>望日欄</translation>
    </message>
    <message>
        <source>One quarter of the lunar month in each row</source>
        <translation>每列為農曆月的四分之一</translation>
    </message>
    <message>
        <source>computed for %1º E (the almanac of %2)</source>
        <translation>按東經%1°推算（%2年曆書）</translation>
    </message>
    <message>
        <source>computed for %1º%2′ E (the almanac of %3)</source>
        <translation>按東經%1°%2′推算（%3年曆書）</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E) had no such month</source>
        <translation>%1年曆書（東經%2°）無此月</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E) had no such month</source>
        <translation>%1年曆書（東經%2°%3′）無此月</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E): %3 days from %4-%5-%6 CE</source>
        <translation>%1年曆書（東經%2°）：此月%3天，始於公元%4-%5-%6</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E): %4 days from %5-%6-%7 CE</source>
        <translation>%1年曆書（東經%2°%3′）：此月%4天，始於公元%5-%6-%7</translation>
    </message>
    <message>
        <source>modern rule: the almanac of the time may differ</source>
        <translation>按現代規則推算，與當年曆書或有不同</translation>
    </message>
    <message>
        <source>computed for %1º E (the almanac of %2); modern rule: the almanac of the time may differ</source>
        <translation>按東經%1°推算（%2年曆書）；按現代規則推算，與當年曆書或有不同</translation>
    </message>
    <message>
        <source>computed for %1º%2′ E (the almanac of %3); modern rule: the almanac of the time may differ</source>
        <translation>按東經%1°%2′推算（%3年曆書）；按現代規則推算，與當年曆書或有不同</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E) had no such month; modern rule: the almanac of the time may differ</source>
        <translation>%1年曆書（東經%2°）無此月；按現代規則推算，與當年曆書或有不同</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E) had no such month; modern rule: the almanac of the time may differ</source>
        <translation>%1年曆書（東經%2°%3′）無此月；按現代規則推算，與當年曆書或有不同</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E): %3 days from %4-%5-%6 CE; modern rule: the almanac of the time may differ</source>
        <translation>%1年曆書（東經%2°）：此月%3天，始於公元%4-%5-%6；按現代規則推算，與當年曆書或有不同</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E): %4 days from %5-%6-%7 CE; modern rule: the almanac of the time may differ</source>
        <translation>%1年曆書（東經%2°%3′）：此月%4天，始於公元%5-%6-%7；按現代規則推算，與當年曆書或有不同</translation>
    </message>
</context>
<context>
    <name>NativeNames</name>
    <message>
        <source>%1-%2</source>
        <comment>an element and an animal: wood-rat</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the two stems of an element</comment>
        <translation>%1或%2</translation>
    </message>
    <message>
        <source>%1 (%2) day</source>
        <translation>%1（%2）日</translation>
    </message>
    <message>
        <source>%1 (%2) month</source>
        <translation>%1（%2）月</translation>
    </message>
    <message>
        <source>%1 (%2) year</source>
        <translation>%1（%2）年</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Copy selected text to clipboard</source>
        <translation>複製所選文字到剪貼簿</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>複製到剪貼簿</translation>
    </message>
    <message>
        <source>years</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Error in listing</source>
        <translation>清單出錯</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>within %1 year</source>
        <translation>%1 年之內</translation>
    </message>
    <message>
        <source>within %1 years</source>
        <translation>%1 年之內</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>Vietnam</source>
        <translation>越南</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中國</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>-%1 = %2 BC</source>
        <translation>-%1 = 西元前 %2 年</translation>
    </message>
    <message>
        <source>true sun</source>
        <translation>定氣</translation>
    </message>
    <message>
        <source>mean sun</source>
        <translation>平氣</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>day</source>
        <translation>天</translation>
    </message>
    <message>
        <source>CE month</source>
        <translation>西元月</translation>
    </message>
    <message>
        <source>CE year</source>
        <translation>西元年</translation>
    </message>
    <message>
        <source>CE century</source>
        <translation>西元世紀</translation>
    </message>
    <message>
        <source>CHL month</source>
        <translation>農曆月</translation>
    </message>
    <message>
        <source>CHL year</source>
        <translation>農曆年</translation>
    </message>
    <message>
        <source>60-year cycle (CHL)</source>
        <translation>六十年甲子（農曆）</translation>
    </message>
    <message>
        <source>CHS solar term</source>
        <translation>節氣</translation>
    </message>
    <message>
        <source>CHS year</source>
        <translation>節氣年</translation>
    </message>
    <message>
        <source>60-year cycle (CHS)</source>
        <translation>六十年甲子（節氣曆）</translation>
    </message>
    <message>
        <source>60-day cycle</source>
        <translation>六十日甲子</translation>
    </message>
    <message>
        <source>80-year cycle (JC)</source>
        <translation>八十年週期（儒略曆）</translation>
    </message>
    <message>
        <source>VMC month (ICT)</source>
        <translation>VMC 月（ICT）</translation>
    </message>
    <message>
        <source>VMC year (ICT)</source>
        <translation>VMC 年（ICT）</translation>
    </message>
    <message>
        <source>VMC month (CCT)</source>
        <translation>VMC 月（CCT）</translation>
    </message>
    <message>
        <source>VMC year (CCT)</source>
        <translation>VMC 年（CCT）</translation>
    </message>
    <message>
        <source>VMC month (JST)</source>
        <translation>VMC 月（JST）</translation>
    </message>
    <message>
        <source>VMC year (JST)</source>
        <translation>VMC 年（JST）</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>望（滿月）</translation>
    </message>
    <message>
        <source>Dark moon</source>
        <translation>朔（新月）</translation>
    </message>
    <message>
        <source>Lunar quarter</source>
        <translation>弦月</translation>
    </message>
    <message>
        <source>Lunar new year</source>
        <translation>農曆新年</translation>
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
        <translation>二分二至</translation>
    </message>
    <message>
        <source>Solar term</source>
        <translation>節氣</translation>
    </message>
    <message>
        <source>Solar term + dark moon</source>
        <translation>節氣 + 朔</translation>
    </message>
    <message>
        <source>Solar term + full moon</source>
        <translation>節氣 + 望</translation>
    </message>
    <message>
        <source>Winter solstice + dark moon</source>
        <translation>冬至 + 朔</translation>
    </message>
    <message>
        <source>Solstice/equinox + dark moon</source>
        <translation>二分二至 + 朔</translation>
    </message>
    <message>
        <source>Solstice/equinox + full moon</source>
        <translation>二分二至 + 望</translation>
    </message>
    <message>
        <source>Element-animal day</source>
        <translation>五行生肖日</translation>
    </message>
    <message>
        <source>Element-animal month</source>
        <translation>五行生肖月</translation>
    </message>
    <message>
        <source>Element-animal year</source>
        <translation>五行生肖年</translation>
    </message>
    <message>
        <source>Triple coincidence day</source>
        <translation>三重巧合日</translation>
    </message>
    <message>
        <source>Same element-animal day and month</source>
        <translation>日、月五行生肖相同</translation>
    </message>
    <message>
        <source>Multiple element-animal day</source>
        <translation>多重五行生肖日</translation>
    </message>
    <message>
        <source>Intercalary month</source>
        <translation>閏月</translation>
    </message>
    <message>
        <source>Korea</source>
        <translation>韓國</translation>
    </message>
    <message>
        <source>VMC month (KST)</source>
        <translation>VMC 月（KST）</translation>
    </message>
    <message>
        <source>VMC year (KST)</source>
        <translation>VMC 年（KST）</translation>
    </message>
    <message>
        <source>Festival or seasonal day</source>
        <translation>節日或節令</translation>
    </message>
</context>
<context>
    <name>WindowLanguage</name>
    <message>
        <source>en</source>
        <extracomment>The tag of this translation&apos;s language, exactly one of: zh-Hans zh-Hant vi ja ko. The windows name the calendar&apos;s stems, branches, elements and animals in it.</extracomment>
        <translation>zh-Hant</translation>
    </message>
</context>
<context>
    <name>mirvo::CommandPanel</name>
    <message>
        <source>Show lunar calendar month</source>
        <translation>顯示農曆月曆</translation>
    </message>
    <message>
        <source>Dark moons &amp;&amp; solar terms</source>
        <translation>朔與節氣</translation>
    </message>
    <message>
        <source>Lunar new years</source>
        <translation>農曆新年</translation>
    </message>
    <message>
        <source>Month starts / leap months</source>
        <translation>月首 / 閏月</translation>
    </message>
    <message>
        <source>European new years</source>
        <translation>西曆元旦</translation>
    </message>
    <message>
        <source>Add to log</source>
        <translation>新增到日誌</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>檢視日誌</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>清除日誌</translation>
    </message>
    <message>
        <source>Configure log</source>
        <translation>日誌設定</translation>
    </message>
    <message>
        <source>Save state</source>
        <translation>儲存狀態</translation>
    </message>
    <message>
        <source>Restore state</source>
        <translation>還原狀態</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Brisvale software</source>
        <extracomment>The maker&apos;s programs; Brisvale is its name.</extracomment>
        <translation>Brisvale 軟體</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>測試</translation>
    </message>
    <message>
        <source>Compare suns</source>
        <translation>比較太陽</translation>
    </message>
    <message>
        <source>Dates/times/CJDs of dark moons &amp; solar terms</source>
        <translation>朔與節氣的日期、時刻和民用儒略日</translation>
    </message>
    <message>
        <source>Online documentation</source>
        <translation>線上文件</translation>
    </message>
    <message>
        <source>Open the project page %1</source>
        <translation>開啟專案首頁 %1</translation>
    </message>
    <message>
        <source>Open the user manual that came with the program (in English)</source>
        <translation>開啟隨程式附上的使用手冊（英文）</translation>
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
        <translation>轉換</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>時區</translation>
    </message>
    <message>
        <source>e.g. 2024-02-10 CE, 79-41-1-1 CHL, 4722-1-1 CHL</source>
        <extracomment>Examples of dates typed with their calendar&apos;s code; the codes stay as they are.</extracomment>
        <translation>例如 2024-02-10 CE、79-41-1-1 CHL、4722-1-1 CHL</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <extracomment>Hours and minutes.</extracomment>
        <translation>時:分</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>加</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>減</translation>
    </message>
    <message>
        <source>days</source>
        <translation>天</translation>
    </message>
    <message>
        <source>element</source>
        <translation>五行</translation>
    </message>
    <message>
        <source>animal</source>
        <translation>生肖</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
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
        <translation>錯誤</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>檢視日誌</translation>
    </message>
    <message>
        <source>Log is empty</source>
        <translation>日誌是空的</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>清除日誌</translation>
    </message>
    <message>
        <source>Erase all data in the log?</source>
        <translation>清除日誌中的全部內容嗎？</translation>
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
        <translation>推移</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>往後</translation>
    </message>
    <message>
        <source>back</source>
        <translation>往前</translation>
    </message>
    <message>
        <source>repeatedly</source>
        <translation>連續</translation>
    </message>
    <message>
        <source>one day</source>
        <translation>一天</translation>
    </message>
    <message>
        <source>keep 30th</source>
        <translation>保留三十</translation>
    </message>
    <message>
        <source>keep leap</source>
        <translation>保留閏月</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
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
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>next</source>
        <translation>下一個</translation>
    </message>
    <message>
        <source>previous</source>
        <translation>上一個</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>正在搜尋</translation>
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
        <translation>國家</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>經度</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>紀元</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>方法</translation>
    </message>
    <message>
        <source>º E</source>
        <extracomment>After the longitude: degrees east of Greenwich.</extracomment>
        <translation>°E</translation>
    </message>
    <message>
        <source>The zone label of the reference meridian</source>
        <translation>參考子午線的時區標記</translation>
    </message>
    <message>
        <source>Show Vellomir Calendar</source>
        <translation>顯示維洛米爾曆</translation>
    </message>
    <message>
        <source>Show chronological JDs</source>
        <translation>顯示民用儒略日</translation>
    </message>
    <message>
        <source>Auto log</source>
        <translation>自動記錄</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the language of the windows follows the system&apos;s locale</comment>
        <translation>依系統</translation>
    </message>
    <message>
        <source>The language of the windows; System follows the locale (English where the program has no translation)</source>
        <translation>視窗使用的語言；「依系統」按系統的地區設定選擇（程式沒有相應譯文時用英文）</translation>
    </message>
    <message>
        <source>Follow the calendar&apos;s history</source>
        <translation>依曆法沿革推算</translation>
    </message>
    <message>
        <source>Compute each lunar year for the meridian of its country&apos;s almanac of the time (China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911)</source>
        <translation>每個農曆年按其國家當年曆書所用的子午線推算（中國東經116°25′至1928年，越南東經120°至1967年，韓國東經120°至1911年）</translation>
    </message>
</context>
<context>
    <name>mirvo::frmBVsoftware</name>
    <message>
        <source>A calendar converter and almanac for the Chinese lunisolar calendar and its Vietnamese and Japanese variants: one instant shown in the Common Era and Julian calendars, the Chinese lunar and solar calendars, the Vellomir Calendar and the Julian day counts, with the element-animal names of the year, month and day, the phase and age of the Moon and Delta T.</source>
        <translation>中國陰陽合曆及其越南、日本變體的曆法換算與曆書程式：同一時刻同時以西元、儒略曆、中國農曆和節氣曆、維洛米爾曆以及儒略日數顯示，並列出年、月、日的五行生肖、月相、月齡和 ΔT。</translation>
    </message>
    <message>
        <source>Brisvale Systems software</source>
        <extracomment>Brisvale Systems is the maker&apos;s name.</extracomment>
        <translation>Brisvale Systems 軟體</translation>
    </message>
    <message>
        <source>Open page</source>
        <translation>開啟網頁</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>mirvo::frmCalendar</name>
    <message>
        <source>Show previous month</source>
        <translation>顯示上個月</translation>
    </message>
    <message>
        <source>Show next month</source>
        <translation>顯示下個月</translation>
    </message>
    <message>
        <source>Save as PNG image</source>
        <translation>儲存為 PNG 圖片</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>%1 of the %2 year (%3), position %4 of cycle %5 (year %6)</source>
        <extracomment>%1 the lunar month, %2 the year&apos;s stems and branches, %3 its element and animal, %4 the year&apos;s place in the 60-year cycle, %5 the cycle&apos;s number, %6 the year counted from the epoch.</extracomment>
        <translation>%2年（%3）%1&#x3000;第 %5 甲子第 %4 年（黃帝紀年 %6）</translation>
    </message>
    <message>
        <source>Common Era year %1 (%2) - %3 (%4)</source>
        <extracomment>The Common Era years and months of the lunar month: 2033 (December) - 2034 (January).</extracomment>
        <translation>西元 %1 年%2 至 %3 年%4</translation>
    </message>
    <message>
        <source>Common Era year %1, month of %2</source>
        <translation>西元 %1 年%2</translation>
    </message>
    <message>
        <source>Common Era year %1 (%2-%3)</source>
        <translation>西元 %1 年%2至%3</translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <extracomment>A cell&apos;s Common Era date: %1 the weekday&apos;s short name, %2 the month&apos;s number, %3 the day.</extracomment>
        <translation>%2月%3日 %1</translation>
    </message>
    <message>
        <source>Uncertain</source>
        <translation>不確定</translation>
    </message>
</context>
<context>
    <name>mirvo::frmCredits</name>
    <message>
        <source>Credits</source>
        <translation>致謝</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mirvo&lt;/b&gt; rests on published work:</source>
        <translation>&lt;b&gt;Mirvo&lt;/b&gt; 依據以下已發表的成果：</translation>
    </message>
    <message>
        <source>the Moon from the ELP/MPP02 lunar theory of J. Chapront and G. Francou;</source>
        <translation>月球：J. Chapront 與 G. Francou 的 ELP/MPP02 月球理論；</translation>
    </message>
    <message>
        <source>the Sun from the VSOP87 planetary theory of P. Bretagnon and G. Francou;</source>
        <translation>太陽：P. Bretagnon 與 G. Francou 的 VSOP87 行星理論；</translation>
    </message>
    <message>
        <source>Delta T from the Earth-orientation observations of the IERS (1962 on) and the long-term record of L. V. Morrison, F. R. Stephenson, C. Y. Hohenkerk and M. Zawilski (2021) before;</source>
        <translation>ΔT：1962 年起取自 IERS 的地球定向觀測，此前取自 L. V. Morrison、F. R. Stephenson、C. Y. Hohenkerk 與 M. Zawilski（2021）的長期紀錄；</translation>
    </message>
    <message>
        <source>the rules of the Chinese calendar as set out by Helmer Aslaksen, &lt;i&gt;The Mathematics of the Chinese Calendar&lt;/i&gt;;</source>
        <translation>農曆規則：依照 Helmer Aslaksen 的 &lt;i&gt;The Mathematics of the Chinese Calendar&lt;/i&gt;；</translation>
    </message>
    <message>
        <source>day counts and calendar arithmetic after J. Meeus, &lt;i&gt;Astronomical Algorithms&lt;/i&gt;.</source>
        <translation>日數與曆法運算：依照 J. Meeus 的 &lt;i&gt;Astronomical Algorithms&lt;/i&gt;。</translation>
    </message>
    <message>
        <source>The stem and branch characters are written in the WenQuanYi Micro Hei font.</source>
        <translation>干支字樣使用文泉驛微米黑字型。</translation>
    </message>
    <message>
        <source>The windows&apos; Chinese, Japanese and Korean texts are written in the Noto Sans CJK fonts.</source>
        <translation>視窗中的中文、日文和韓文使用 Noto Sans CJK 字型。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
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
        <translation>Mirvo：曆法換算</translation>
    </message>
    <message>
        <source>The main window keeps one &lt;b&gt;current instant&lt;/b&gt; and shows it at once in every reckoning. Type a date in any of them, press &lt;b&gt;Convert&lt;/b&gt; (or Enter), and every row follows. &lt;b&gt;Now&lt;/b&gt; returns to the present moment; &lt;b&gt;Move&lt;/b&gt; steps the instant, &lt;b&gt;Search for&lt;/b&gt; finds events, and the buttons on the right open the listings, the lunar calendar month and the log. The user manual (the link &quot;Online documentation&quot;) tells all of it in detail.</source>
        <translation>主視窗保存一個&lt;b&gt;目前時刻&lt;/b&gt;，並同時以各種曆法顯示。用任何一種曆法輸入日期，按&lt;b&gt;轉換&lt;/b&gt;（或 Enter），各列隨之更新。&lt;b&gt;現在&lt;/b&gt;回到此刻；&lt;b&gt;推移&lt;/b&gt;逐步移動時刻，&lt;b&gt;搜尋&lt;/b&gt;尋找天象與曆日，右側的按鈕開啟各種清單、農曆月曆和日誌。使用手冊（連結「線上文件」）有詳細說明。</translation>
    </message>
    <message>
        <source>The user manual is written in English.</source>
        <extracomment>Said only in the translated help: the manual has no translation.</extracomment>
        <translation>使用手冊為英文。</translation>
    </message>
    <message>
        <source>The reckonings</source>
        <translation>各種曆法</translation>
    </message>
    <message>
        <source>&lt;b&gt;CE&lt;/b&gt;: the Common Era (Gregorian) calendar, also before 1582. Years are astronomical: the year before 1 is 0, and 44 BC is -43.</source>
        <translation>&lt;b&gt;CE&lt;/b&gt;：西元（格里曆），1582 年以前亦依此推算。年份採用天文紀年：1 年的前一年為 0 年，西元前 44 年即 -43 年。</translation>
    </message>
    <message>
        <source>&lt;b&gt;JC&lt;/b&gt;: the Julian Calendar, with the same year numbers.</source>
        <translation>&lt;b&gt;JC&lt;/b&gt;：儒略曆，年份編號與西元相同。</translation>
    </message>
    <message>
        <source>&lt;b&gt;CHL&lt;/b&gt;: the Chinese lunar calendar. A date is written &lt;i&gt;cycle-position-month-day&lt;/i&gt;: the 60-year cycle (cycle 1 began in 2697 BC, or 2637 BC with the other epoch), the year&apos;s place 1 to 60 in it, the month (a &lt;b&gt;*&lt;/b&gt; marks a leap month) and the day 1 to 30. A month begins on the civil day, at the reference meridian, of a dark moon; the month holding the winter solstice is month 11; a year of 13 months repeats the first month that holds no major solar term.</source>
        <translation>&lt;b&gt;CHL&lt;/b&gt;：中國農曆。日期寫成&lt;i&gt;週期-年序-月-日&lt;/i&gt;：六十年甲子的序號（第 1 甲子始於西元前 2697 年，另一紀元為西元前 2637 年）、該年在甲子中的位置 1 至 60、月份（&lt;b&gt;*&lt;/b&gt; 表示閏月）和日 1 至 30。以參考子午線上朔所在的民用日為每月初一；含冬至之月為十一月；有十三個月的年份，以第一個不含中氣的月份為閏月。</translation>
    </message>
    <message>
        <source>&lt;b&gt;CHS&lt;/b&gt;: the Chinese solar calendar: &lt;i&gt;cycle-position-solarterm-day&lt;/i&gt;. The 24 solar terms are the 15° steps of the Sun&apos;s apparent longitude; the solar year begins at the winter solstice (term 1). On the first day of a term the row shows the term&apos;s code in parentheses.</source>
        <translation>&lt;b&gt;CHS&lt;/b&gt;：中國節氣曆，寫成&lt;i&gt;週期-年序-節氣-日&lt;/i&gt;。二十四節氣是太陽視黃經每 15° 的分點；節氣年始於冬至（第 1 個節氣）。在節氣的第一天，該列在括號中顯示節氣代碼。</translation>
    </message>
    <message>
        <source>&lt;b&gt;VMC&lt;/b&gt;: the Vellomir Calendar, an arithmetic lunisolar calendar, shown for Greenwich and for the reference meridian. The small note under it tells how its month and day compare with the lunar date.</source>
        <translation>&lt;b&gt;VMC&lt;/b&gt;：維洛米爾曆，一種依算術規則編排的陰陽曆，分別按格林威治和參考子午線顯示。其下的小字說明它的月、日與農曆日期的比較。</translation>
    </message>
    <message>
        <source>&lt;b&gt;CJDL&lt;/b&gt;, &lt;b&gt;CJDC&lt;/b&gt;: chronological Julian dates, the civil days counted at London and at the reference meridian (shown when &quot;Show chronological JDs&quot; is ticked). &lt;b&gt;AJD&lt;/b&gt;: the astronomical Julian date, counted from noon Universal Time.</source>
        <translation>&lt;b&gt;CJDL&lt;/b&gt;、&lt;b&gt;CJDC&lt;/b&gt;：民用儒略日，即按倫敦和按參考子午線計數的民用日（勾選「顯示民用儒略日」時顯示）。&lt;b&gt;AJD&lt;/b&gt;：天文儒略日，從世界時正午起算。</translation>
    </message>
    <message>
        <source>Beside the dates the window names the element and animal of the year, the lunar month and the day, shows the Moon&apos;s phase, illumination and age, and Delta T (the difference between the uniform time of the ephemeris and the time kept by the Earth&apos;s rotation). For China the year and the day are also shown as their written stem and branch.</source>
        <translation>日期旁邊列出年、農曆月和日的五行生肖，顯示月相、亮面比例和月齡，以及 ΔT（曆書所用均勻時間與地球自轉所定時間之差）。國家為中國時，還以干支字樣寫出年和日。</translation>
    </message>
    <message>
        <source>Typing a date</source>
        <translation>輸入日期</translation>
    </message>
    <message>
        <source>End the date with the code of its calendar; case and spaces do not matter, and &quot;,&quot; may group thousands. Examples:</source>
        <translation>在日期後面寫上其曆法代碼；大小寫和空格不拘，可用「,」分隔千位。範例：</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>曆法</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>範例</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>年-月-日</translation>
    </message>
    <message>
        <source>cycle-position-month[*]-day</source>
        <translation>週期-年序-月[*]-日</translation>
    </message>
    <message>
        <source>CHL (China)</source>
        <translation>CHL（中國）</translation>
    </message>
    <message>
        <source>year-month-day, with the Overseas Chinese year</source>
        <translation>年-月-日，年份為黃帝紀年</translation>
    </message>
    <message>
        <source>&quot;?&quot; for the position: choose the element and the animal in the lists</source>
        <translation>年序寫「?」：在清單中選擇五行和生肖</translation>
    </message>
    <message>
        <source>70-?-12-30 CHL with fire and dog</source>
        <translation>70-?-12-30 CHL，並選火、狗</translation>
    </message>
    <message>
        <source>cycle-position-solarterm-day</source>
        <translation>週期-年序-節氣-日</translation>
    </message>
    <message>
        <source>a decimal number</source>
        <translation>十進位數</translation>
    </message>
    <message>
        <source>The time goes in the &lt;b&gt;Time&lt;/b&gt; box as hours:minutes (12:00 when empty), and &lt;b&gt;Zone&lt;/b&gt; says whether it is Greenwich time (GMT) or the time of the reference meridian. Dates without a code are taken, after a question, in the current entry calendar (the row whose caption is white).</source>
        <translation>時間以「時:分」填入&lt;b&gt;時間&lt;/b&gt;欄（留空為 12:00），&lt;b&gt;時區&lt;/b&gt;指明這是格林威治時間（GMT）還是參考子午線的時間。未寫代碼的日期經詢問後按目前的輸入曆法（標題為白色的那一列）理解。</translation>
    </message>
    <message>
        <source>To add or subtract days, put the number in the &lt;b&gt;plus/minus&lt;/b&gt; box and choose plus or minus; with an empty date box the current date is used, so 10 with plus moves ten days ahead.</source>
        <translation>要加減天數，在&lt;b&gt;加/減&lt;/b&gt;欄中填入天數並選擇「加」或「減」；日期欄為空時以目前日期為準，因此填 10 並選「加」即前進十天。</translation>
    </message>
    <message>
        <source>A click on a row copies its value to the clipboard and makes that calendar the entry calendar; a click on the value also puts it into the entry boxes, ready to be edited and converted.</source>
        <translation>按一下某一列會把它的值複製到剪貼簿，並把該曆法設為輸入曆法；按一下值本身還會把它填入輸入欄，以便修改後轉換。</translation>
    </message>
    <message>
        <source>Dates from -3000-01-01 CE to 3000-01-01 CE are accepted.</source>
        <translation>可用日期範圍為 -3000-01-01 CE 至 3000-01-01 CE。</translation>
    </message>
    <message>
        <source>When a lunar month&apos;s first day, number or leap status rests on a new moon or solar term closer to midnight than the uncertainty of its time, the tooltip of the lunar date says so and names the day other tables may give; the lunar calendar month notes it in its top right cell.</source>
        <translation>如果某農曆月的初一、月序或是否為閏月取決於一個離午夜很近、近於其時刻誤差的朔或節氣，農曆日期的提示會說明這一點，並指出其他曆表可能給出的日子；農曆月曆在右上角的格子中註明。</translation>
    </message>
    <message>
        <source>Moving and searching</source>
        <translation>推移與搜尋</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move&lt;/b&gt; forward or back 1 step: a minute, hour, day or 60 days, or a month, year or century of the CE, lunar (CHL), solar (CHS), Julian or Vellomir calendar, each in its own arithmetic (a CHL month goes through leap months). With &lt;b&gt;repeatedly&lt;/b&gt; it steps again at the refresh period until &lt;b&gt;Stop&lt;/b&gt;, with &lt;b&gt;Pause&lt;/b&gt; and &lt;b&gt;Resume&lt;/b&gt;; &lt;b&gt;keep 30th&lt;/b&gt; and &lt;b&gt;keep leap&lt;/b&gt; then bring a lunar date back to day 30 or into its leap month where they exist. &lt;b&gt;one day&lt;/b&gt; moves exactly one day.</source>
        <translation>&lt;b&gt;推移&lt;/b&gt;往後或往前一步：一分鐘、一小時、一天或六十天，或西元、農曆（CHL）、節氣曆（CHS）、儒略曆、維洛米爾曆的一個月、一年或一個世紀，各按其曆法推算（農曆月會經過閏月）。勾選&lt;b&gt;連續&lt;/b&gt;後按更新間隔不斷推移，直到&lt;b&gt;停止&lt;/b&gt;，其間可&lt;b&gt;暫停&lt;/b&gt;和&lt;b&gt;繼續&lt;/b&gt;；&lt;b&gt;保留三十&lt;/b&gt;和&lt;b&gt;保留閏月&lt;/b&gt;讓農曆日期在有三十日或閏月的地方回到三十日或閏月。&lt;b&gt;一天&lt;/b&gt;恰好推移一天。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search for&lt;/b&gt; the next or previous full moon, dark moon, quarter, lunar new year, solstice, equinox or solar term, a dark or full moon on the first day of a term, a day, month or year of the element and animal chosen beside the date box, a triple coincidence day or a leap month. &quot;Multiple element-animal day&quot; opens a window for conditions on the day, the month and the year at once.</source>
        <translation>&lt;b&gt;搜尋&lt;/b&gt;下一個或上一個望、朔、弦、農曆新年、二至、二分或節氣，落在節氣首日的朔或望，日期欄旁所選五行生肖的日、月或年，三重巧合日或閏月。「多重五行生肖日」開啟一個視窗，可同時為日、月、年設定條件。</translation>
    </message>
    <message>
        <source>Listings and the month view</source>
        <translation>清單與月曆</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dark moons &amp;amp; solar terms&lt;/b&gt; lists the dark moons and solar terms of three solar years. &lt;b&gt;Lunar new years&lt;/b&gt;, &lt;b&gt;Month starts / leap months&lt;/b&gt; and &lt;b&gt;European new years&lt;/b&gt; list, over a number of years, the lunar new years (or anniversaries of the lunar date shown), the first days of the months or of the leap months, and the lunar date of each 1 January; &lt;b&gt;Stop&lt;/b&gt; ends a long list, and &lt;b&gt;Save as iCalendar…&lt;/b&gt; writes the lunar dates listed into a file that desktop, web and phone calendars import. &lt;b&gt;Show lunar calendar month&lt;/b&gt; draws the lunar month as a page of four rows, one quarter of the month each, with day 15 and day 30 in the &quot;Lunaday&quot; column; it steps through the months and saves the page as a PNG image.</source>
        <translation>&lt;b&gt;朔與節氣&lt;/b&gt;列出三個節氣年內的朔和節氣。&lt;b&gt;農曆新年&lt;/b&gt;、&lt;b&gt;月首 / 閏月&lt;/b&gt;和&lt;b&gt;西曆元旦&lt;/b&gt;在若干年內分別列出農曆新年（或所示農曆日期的週年紀念日）、各月或閏月的初一，以及每年 1 月 1 日的農曆日期；&lt;b&gt;停止&lt;/b&gt;可中止較長的清單，&lt;b&gt;儲存為 iCalendar…&lt;/b&gt;把列出的農曆日期寫入電腦、網頁和手機行事曆都能匯入的檔案。&lt;b&gt;顯示農曆月曆&lt;/b&gt;把農曆月畫成一頁四列，每列為該月的四分之一，十五日和三十日位於「望日欄」；可逐月翻看，並把該頁儲存為 PNG 圖片。</translation>
    </message>
    <message>
        <source>The listings and the log entries are written in English, as mirvo-cli writes them.</source>
        <extracomment>Said only in the translated help.</extracomment>
        <translation>清單和日誌條目與 mirvo-cli 的輸出一樣使用英文。</translation>
    </message>
    <message>
        <source>The log and the saved state</source>
        <translation>日誌與儲存的狀態</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add to log&lt;/b&gt; writes the instant into the log in the reckonings chosen under &lt;b&gt;Configure log&lt;/b&gt;; &lt;b&gt;View log&lt;/b&gt; shows it for editing and copying, &lt;b&gt;Clear log&lt;/b&gt; empties it. With &lt;b&gt;Auto log&lt;/b&gt; every Now, conversion, move and search adds an entry headed by what was done. &lt;b&gt;Save state&lt;/b&gt;, &lt;b&gt;Quit&lt;/b&gt; and closing the window keep the instant and every choice for the next start; &lt;b&gt;Restore state&lt;/b&gt; goes back to them.</source>
        <translation>&lt;b&gt;新增到日誌&lt;/b&gt;按&lt;b&gt;日誌設定&lt;/b&gt;中選定的曆法把目前時刻寫入日誌；&lt;b&gt;檢視日誌&lt;/b&gt;顯示日誌以便編輯和複製，&lt;b&gt;清除日誌&lt;/b&gt;將其清空。勾選&lt;b&gt;自動記錄&lt;/b&gt;後，每次「現在」、轉換、推移和搜尋都會新增一條以所做操作開頭的條目。&lt;b&gt;儲存狀態&lt;/b&gt;、&lt;b&gt;結束&lt;/b&gt;和關閉視窗都會保存目前時刻和各項選擇，供下次啟動使用；&lt;b&gt;還原狀態&lt;/b&gt;回到儲存的狀態。</translation>
    </message>
    <message>
        <source>The command-line tool</source>
        <translation>命令列工具</translation>
    </message>
    <message>
        <source>&lt;code&gt;mirvo-cli&lt;/code&gt; prints the same calendar for scripts: &lt;code&gt;show&lt;/code&gt;, &lt;code&gt;move&lt;/code&gt;, &lt;code&gt;search&lt;/code&gt;, &lt;code&gt;list&lt;/code&gt;, &lt;code&gt;year-data&lt;/code&gt;, &lt;code&gt;month-view&lt;/code&gt;, &lt;code&gt;log-entry&lt;/code&gt;, &lt;code&gt;export&lt;/code&gt; (iCalendar files) and more; &lt;code&gt;mirvo-cli --help&lt;/code&gt; lists them all.</source>
        <translation>&lt;code&gt;mirvo-cli&lt;/code&gt; 為指令碼輸出同樣的曆法：&lt;code&gt;show&lt;/code&gt;、&lt;code&gt;move&lt;/code&gt;、&lt;code&gt;search&lt;/code&gt;、&lt;code&gt;list&lt;/code&gt;、&lt;code&gt;year-data&lt;/code&gt;、&lt;code&gt;month-view&lt;/code&gt;、&lt;code&gt;log-entry&lt;/code&gt;、&lt;code&gt;export&lt;/code&gt;（iCalendar 檔案）等；&lt;code&gt;mirvo-cli --help&lt;/code&gt; 列出全部命令。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&lt;b&gt;Longitude&lt;/b&gt;: the reference meridian itself, 100° to 145° east, with its zone label (for example BEI for 116°, the meridian of Beijing). Months and terms begin on the civil day at this meridian, so a dark moon shortly before midnight can fall on different days for different meridians.</source>
        <translation>&lt;b&gt;經度&lt;/b&gt;：參考子午線本身，東經 100° 至 145°，附時區標記（例如 116° 為 BEI，即北京的經線）。月份和節氣從這條子午線上的民用日開始，因此臨近午夜的朔在不同子午線上可能落在不同的日子。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Epoch&lt;/b&gt;: the year of cycle 1, position 1: 2697 BC (-2696) or 2637 BC (-2636). It changes the cycle numbers, not the dates.</source>
        <translation>&lt;b&gt;紀元&lt;/b&gt;：第 1 甲子第 1 年所在之年：西元前 2697 年（-2696）或西元前 2637 年（-2636）。它只改變甲子序號，不改變日期。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Method&lt;/b&gt;: &quot;true sun&quot; places the solar terms by the Sun&apos;s apparent longitude; &quot;mean sun&quot; divides the tropical year evenly, as the calendar did before 1645.</source>
        <translation>&lt;b&gt;方法&lt;/b&gt;：「定氣」按太陽視黃經確定節氣；「平氣」把回歸年平均分割，即 1645 年以前曆法的做法。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Vellomir Calendar&lt;/b&gt; and &lt;b&gt;Show chronological JDs&lt;/b&gt; show or hide those rows; &lt;b&gt;Auto log&lt;/b&gt; is described above.</source>
        <translation>&lt;b&gt;顯示維洛米爾曆&lt;/b&gt;和&lt;b&gt;顯示民用儒略日&lt;/b&gt;顯示或隱藏相應的列；&lt;b&gt;自動記錄&lt;/b&gt;見上文。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Language&lt;/b&gt;: the language of the windows. &lt;b&gt;System&lt;/b&gt; follows the locale of the desktop, English where the program has no translation. The choice takes effect at once and is remembered for the next start; the codes of the calendars and the dates typed stay the same in every language.</source>
        <translation>&lt;b&gt;語言&lt;/b&gt;：視窗使用的語言。&lt;b&gt;依系統&lt;/b&gt;按桌面的地區設定選擇，程式沒有相應譯文時用英文。選擇立即生效，並在下次啟動時保留；曆法代碼和輸入的日期在各種語言中都不變。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Reset&lt;/b&gt; restores the entry calendar, the display switches and the options, but keeps the country, longitude, epoch and method.</source>
        <translation>&lt;b&gt;重設&lt;/b&gt;還原輸入曆法、顯示開關和各選項，但保留國家、經度、紀元和方法。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (F1 in the date box, on Now, Move or Help) opens this window; &lt;b&gt;Brisvale software&lt;/b&gt; lists the maker&apos;s programs.</source>
        <translation>&lt;b&gt;說明&lt;/b&gt;（在日期欄、「現在」、「推移」或「說明」上按 F1）開啟本視窗；&lt;b&gt;Brisvale 軟體&lt;/b&gt;列出開發者的其他程式。</translation>
    </message>
    <message>
        <source>Mirvo Help</source>
        <translation>Mirvo 說明</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>致謝</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>&lt;b&gt;Country&lt;/b&gt;: Vietnam, China, Japan or Korea. It sets the reference meridian (105°, 120°, 135° or 135° east), the names of the animals (cat and goat in Vietnam, boar in Japan) and the colour of the window. The choice is remembered for the next start.</source>
        <translation>&lt;b&gt;國家&lt;/b&gt;：越南、中國、日本或韓國。它決定參考子午線（東經 105°、120°、135° 或 135°）、生肖名稱（越南為貓和山羊，日本為野豬）和視窗的顏色。所作選擇在下次啟動時保留。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Follow the calendar&apos;s history&lt;/b&gt;: each lunar year is computed for the meridian its country&apos;s almanac used that year (China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911). Dates before the years whose almanacs the modern rule reproduces (China 1912, Vietnam 1945, Korea 1900, Japan 1873) say in their tooltip that the almanac of the time may differ.</source>
        <translation>&lt;b&gt;依曆法沿革推算&lt;/b&gt;：每個農曆年按其國家當年曆書所用的子午線推算（中國東經116°25′至1928年，越南東經120°至1967年，韓國東經120°至1911年）。在現代規則能重現當年曆書的年份之前（中國1912年、越南1945年、韓國1900年、日本1873年），日期的提示會說明當年曆書或有不同。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Festivals&lt;/b&gt; lists the festivals and seasonal days of the country over a number of years; the line beside the lunar date and the cells of the month view name the day&apos;s, and Search finds the next or previous day of the one chosen.</source>
        <translation>&lt;b&gt;節日&lt;/b&gt;列出本國若干年內的節日與節令；農曆日期旁的一行和月曆的各格標出當天的節日，查找可找出所選節日的下一個或上一個日子。</translation>
    </message>
</context>
<context>
    <name>mirvo::frmLog</name>
    <message>
        <source>Clear log</source>
        <translation>清除日誌</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Log for %1</source>
        <translation>%1 日誌</translation>
    </message>
    <message>
        <source>Closing the log window in this way
causes its contents to be lost.

To preserve the contents, choose Cancel
and use the &apos;Close&apos; button.

Discard the log?</source>
        <translation>以這種方式關閉日誌視窗
會遺失其中的內容。

要保留內容，請選擇「取消」，
然後使用「關閉」按鈕。

捨棄日誌嗎？</translation>
    </message>
    <message>
        <source>Close log</source>
        <translation>關閉日誌</translation>
    </message>
    <message>
        <source>Erase all data in the log?</source>
        <translation>清除日誌中的全部內容嗎？</translation>
    </message>
</context>
<context>
    <name>mirvo::frmLogPreferences</name>
    <message>
        <source>Configure log entries</source>
        <translation>日誌條目設定</translation>
    </message>
    <message>
        <source>Include in log entries:</source>
        <translation>日誌條目包括：</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中國曆法</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>西曆</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>天文</translation>
    </message>
    <message>
        <source>Set all</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>全不選</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>mirvo::frmMain</name>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>The translation of the windows into %1 could not be loaded; they stay in English.</source>
        <translation>無法載入視窗的%1譯文；視窗仍使用英文。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
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
        <translation>從今天開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Search for the next</source>
        <translation>往後搜尋</translation>
    </message>
    <message>
        <source>Search for the previous</source>
        <translation>往前搜尋</translation>
    </message>
</context>
</TS>
