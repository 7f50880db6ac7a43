<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>大窗口</translation>
    </message>
    <message>
        <source>Include major solar terms (the Zs)</source>
        <extracomment>Z1 … Z12, the codes of the major terms, stay as they are.</extracomment>
        <translation>包括中气（Z）</translation>
    </message>
    <message>
        <source>Include minor solar terms (the Js)</source>
        <extracomment>J1 … J12, the codes of the minor terms, stay as they are.</extracomment>
        <translation>包括节气（J）</translation>
    </message>
    <message>
        <source>Display solar term names</source>
        <translation>显示节气名称</translation>
    </message>
    <message>
        <source>Leap months only</source>
        <translation>仅列闰月</translation>
    </message>
    <message>
        <source>Omit invalid dates</source>
        <translation>略去无效日期</translation>
    </message>
    <message>
        <source>European calendar:</source>
        <translation>西历：</translation>
    </message>
    <message>
        <source>Second test: a date to test</source>
        <translation>第二项测试：输入要测试的日期</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Common Era (Gregorian):</source>
        <translation>公历（格里历）：</translation>
    </message>
    <message>
        <source>Julian Calendar:</source>
        <translation>儒略历：</translation>
    </message>
    <message>
        <source>Chinese Lunar:</source>
        <translation>中国农历：</translation>
    </message>
    <message>
        <source>Chinese Solar:</source>
        <translation>中国节气历：</translation>
    </message>
    <message>
        <source>Vietnamese Lunar:</source>
        <translation>越南阴历：</translation>
    </message>
    <message>
        <source>Vietnamese Solar:</source>
        <translation>越南节气历：</translation>
    </message>
    <message>
        <source>Japanese Lunar:</source>
        <translation>日本旧历：</translation>
    </message>
    <message>
        <source>Japanese Solar:</source>
        <translation>日本节气历：</translation>
    </message>
    <message>
        <source>Vellomir Calendar:</source>
        <translation>维洛米尔历：</translation>
    </message>
    <message>
        <source>Chronological JD London:</source>
        <translation>民用儒略日（伦敦）：</translation>
    </message>
    <message>
        <source>Chronological JD %1º East</source>
        <translation>民用儒略日（东经%1°）</translation>
    </message>
    <message>
        <source>Astronomical Julian date:</source>
        <translation>天文儒略日：</translation>
    </message>
    <message>
        <source>Phase of Moon, illumination:</source>
        <translation>月相与亮面比例：</translation>
    </message>
    <message>
        <source>[Lunation] Age of Moon:</source>
        <translation>[朔望月序号] 月龄：</translation>
    </message>
    <message>
        <source>Delta T:</source>
        <translation>ΔT（时差）：</translation>
    </message>
    <message>
        <source>VMC month &amp; day same as CHL</source>
        <translation>VMC 月、日与 CHL 相同</translation>
    </message>
    <message>
        <source>VMC date %1 day ahead of CHL</source>
        <translation>VMC 日期比 CHL 超前 %1 天</translation>
    </message>
    <message>
        <source>VMC date %1 day behind CHL</source>
        <translation>VMC 日期比 CHL 落后 %1 天</translation>
    </message>
    <message>
        <source>VMC date %1 month ahead of CHL</source>
        <translation>VMC 日期比 CHL 超前 %1 个月</translation>
    </message>
    <message>
        <source>VMC date %1 month behind CHL</source>
        <translation>VMC 日期比 CHL 落后 %1 个月</translation>
    </message>
    <message>
        <source>VMC month no. same as CHL</source>
        <translation>VMC 月序与 CHL 相同</translation>
    </message>
    <message>
        <source>VMC day no. same as CHL</source>
        <translation>VMC 日序与 CHL 相同</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>黄帝纪年 %1</translation>
    </message>
    <message>
        <source>Korean Lunar:</source>
        <translation>韩国阴历：</translation>
    </message>
    <message>
        <source>Korean Solar:</source>
        <translation>韩国节气历：</translation>
    </message>
    <message>
        <source>Vietnamese Lunar (%1º E):</source>
        <translation>越南阴历（东经%1°）：</translation>
    </message>
    <message>
        <source>Vietnamese Lunar (%1º%2′ E):</source>
        <translation>越南阴历（东经%1°%2′）：</translation>
    </message>
    <message>
        <source>Chinese Lunar (%1º E):</source>
        <translation>中国农历（东经%1°）：</translation>
    </message>
    <message>
        <source>Chinese Lunar (%1º%2′ E):</source>
        <translation>中国农历（东经%1°%2′）：</translation>
    </message>
    <message>
        <source>Japanese Lunar (%1º E):</source>
        <translation>日本旧历（东经%1°）：</translation>
    </message>
    <message>
        <source>Japanese Lunar (%1º%2′ E):</source>
        <translation>日本旧历（东经%1°%2′）：</translation>
    </message>
    <message>
        <source>Korean Lunar (%1º E):</source>
        <translation>韩国阴历（东经%1°）：</translation>
    </message>
    <message>
        <source>Korean Lunar (%1º%2′ E):</source>
        <translation>韩国阴历（东经%1°%2′）：</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save the listed dates as an iCalendar file</source>
        <translation>将列出的日期保存为 iCalendar 文件</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics)</source>
        <translation>iCalendar 文件 (*.ics)</translation>
    </message>
    <message>
        <source>Save image of this calendar month as a PNG file</source>
        <translation>将本月历图像保存为 PNG 文件</translation>
    </message>
    <message>
        <source>PNG graphics file (*.png)</source>
        <translation>PNG 图像文件 (*.png)</translation>
    </message>
</context>
<context>
    <name>Listings</name>
    <message>
        <source>Dates, times and CJDs of dark moons and solar terms</source>
        <translation>朔与节气的日期、时刻和民用儒略日</translation>
    </message>
    <message>
        <source>Lunar new years &amp; anniversaries</source>
        <translation>农历新年与周年纪念日</translation>
    </message>
    <message>
        <source>Lunar month starts &amp; leap months</source>
        <translation>农历月首与闰月</translation>
    </message>
    <message>
        <source>Julian and CE new years</source>
        <translation>儒略历与公历元旦</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Save as iCalendar…</source>
        <translation>保存为 iCalendar…</translation>
    </message>
    <message>
        <source>years     Calculating ...</source>
        <translation>年     正在计算……</translation>
    </message>
    <message>
        <source>years     Calculating ... year %1</source>
        <translation>年     正在计算……第 %1 年</translation>
    </message>
    <message>
        <source>years     Calculating ... year -%1</source>
        <translation>年     正在计算……第 -%1 年</translation>
    </message>
    <message>
        <source>Festivals and seasonal days</source>
        <translation>节日与节令</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Expanded log entries</source>
        <translation>展开的日志条目</translation>
    </message>
    <message>
        <source>Include Chinese terms</source>
        <translation>包括中文术语</translation>
    </message>
    <message>
        <source>View log after adding an entry</source>
        <translation>添加条目后查看日志</translation>
    </message>
    <message>
        <source>ChL (Chinese Lunar Calendar)</source>
        <translation>ChL（中国农历）</translation>
    </message>
    <message>
        <source>ChS (Chinese Solar Calendar)</source>
        <translation>ChS（中国节气历）</translation>
    </message>
    <message>
        <source>CJDC (Chronological Julian Date, China)</source>
        <translation>CJDC（民用儒略日，中国）</translation>
    </message>
    <message>
        <source>Epoch, method, longitude</source>
        <translation>纪元、算法、经度</translation>
    </message>
    <message>
        <source>CE (Common Era Calendar)</source>
        <translation>CE（公历）</translation>
    </message>
    <message>
        <source>JC (Julian Calendar)</source>
        <translation>JC（儒略历）</translation>
    </message>
    <message>
        <source>CJDL (Chronological Julian Date, London)</source>
        <translation>CJDL（民用儒略日，伦敦）</translation>
    </message>
    <message>
        <source>AJD (Astronomical Julian Date)</source>
        <translation>AJD（天文儒略日）</translation>
    </message>
    <message>
        <source>Phase of Moon and illumination</source>
        <translation>月相与亮面比例</translation>
    </message>
    <message>
        <source>Lunation and age of Moon</source>
        <translation>朔望月序号与月龄</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>未成功</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>无效</translation>
    </message>
    <message>
        <source>Inability</source>
        <translation>无法完成</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>输入无效</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>Convert date</source>
        <translation>转换日期</translation>
    </message>
    <message>
        <source>Invalid date or time entry</source>
        <translation>日期或时间输入无效</translation>
    </message>
    <message>
        <source>Date out of range</source>
        <translation>日期超出范围</translation>
    </message>
    <message>
        <source>Calendar?</source>
        <translation>哪种历法？</translation>
    </message>
    <message>
        <source>Save state</source>
        <translation>保存状态</translation>
    </message>
    <message>
        <source>Restore state</source>
        <translation>恢复状态</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>保存图像</translation>
    </message>
    <message>
        <source>Save as iCalendar</source>
        <translation>保存为 iCalendar</translation>
    </message>
    <message>
        <source>Cannot launch web browser</source>
        <translation>无法启动网页浏览器</translation>
    </message>
    <message>
        <source>Error in listing</source>
        <translation>列表出错</translation>
    </message>
    <message>
        <source>Calendar dates unchanged.</source>
        <translation>各历日期未变。</translation>
    </message>
    <message>
        <source>No date specified.</source>
        <translation>未输入日期。</translation>
    </message>
    <message>
        <source>Calendar must be specified (one of CHL, CHS, CE, JC, VMC, CJDL, CJDC, AJD).</source>
        <translation>必须指明历法（CHL、CHS、CE、JC、VMC、CJDL、CJDC、AJD 之一）。</translation>
    </message>
    <message>
        <source>Time specification not permitted in date string.</source>
        <translation>日期中不能包含时间。</translation>
    </message>
    <message>
        <source>Invalid time specification.  Times must be, e.g., %1:%2.</source>
        <translation>时间无效。时间应写作 %1:%2 这样的形式。</translation>
    </message>
    <message>
        <source>Date separator must be a dash, &apos;-&apos;.</source>
        <translation>日期分隔符必须是连字符“-”。</translation>
    </message>
    <message>
        <source>Invalid CE date.  CE dates must be in ISO %1 format: year-month-day</source>
        <translation>CE 日期无效。CE 日期必须采用 ISO %1 格式：年-月-日</translation>
    </message>
    <message>
        <source>Invalid JC date.  JC dates must be in ISO %1 format: year-month-day</source>
        <translation>JC 日期无效。JC 日期必须采用 ISO %1 格式：年-月-日</translation>
    </message>
    <message>
        <source>Invalid VMC date.  VMC dates must be in ISO %1 format: year-month-day</source>
        <translation>VMC 日期无效。VMC 日期必须采用 ISO %1 格式：年-月-日</translation>
    </message>
    <message>
        <source>Invalid CHL date.  CHL dates must be in the form &apos;cycle-position-month[*]-day&apos;</source>
        <translation>CHL 日期无效。CHL 日期必须写作“周期-年序-月[*]-日”</translation>
    </message>
    <message>
        <source>Invalid CHL date.  CHL dates must be in the form &apos;cycle-position-month[*]-day&apos;.</source>
        <translation>CHL 日期无效。CHL 日期必须写作“周期-年序-月[*]-日”。</translation>
    </message>
    <message>
        <source>or &apos;year-month-day&apos;, where &apos;year&apos; is the Overseas Chinese year, e.g. %1.</source>
        <translation>或“年-月-日”，其中“年”为黄帝纪年，例如 %1。</translation>
    </message>
    <message>
        <source>Or use &apos;?&apos; for position with a specified element-animal, e.g., %1-?-%2-%3,</source>
        <translation>也可用“?”代替年序并指定五行生肖，例如 %1-?-%2-%3，</translation>
    </message>
    <message>
        <source>and specify element-animal using the drop-down boxes.</source>
        <translation>五行和生肖在下拉列表中选择。</translation>
    </message>
    <message>
        <source>Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day</source>
        <translation>CHS 日期无效。CHS 日期必须写作：周期-年序-节气-日</translation>
    </message>
    <message>
        <source>Invalid CJDL, CJDC, or AJD date.  These must be, e.g., %1.%2 CJDL or %3,%4,%5 AJD.</source>
        <translation>CJDL、CJDC 或 AJD 日期无效。应写作 %1.%2 CJDL 或 %3,%4,%5 AJD 这样的形式。</translation>
    </message>
    <message>
        <source>Error when parsing date string.</source>
        <translation>解析日期时出错。</translation>
    </message>
    <message>
        <source>Invalid CHL date.  Day number exceeds number of days in the month.</source>
        <translation>CHL 日期无效。日数超出了该月的天数。</translation>
    </message>
    <message>
        <source>Invalid plus/minus days.</source>
        <translation>加减天数无效。</translation>
    </message>
    <message>
        <source>Date too early.</source>
        <translation>日期过早。</translation>
    </message>
    <message>
        <source>Date is earlier than -%1-%2-%3 CE.</source>
        <translation>日期早于 -%1-%2-%3 CE。</translation>
    </message>
    <message>
        <source>Date is later than %1-%2-%3 CE.</source>
        <translation>日期晚于 %1-%2-%3 CE。</translation>
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
        <translation>无法加一个农历月。</translation>
    </message>
    <message>
        <source>Unable to subtract a lunar month.</source>
        <translation>无法减一个农历月。</translation>
    </message>
    <message>
        <source>Unable to add a lunar year.</source>
        <translation>无法加一个农历年。</translation>
    </message>
    <message>
        <source>Unable to subtract a lunar year.</source>
        <translation>无法减一个农历年。</translation>
    </message>
    <message>
        <source>Unable to add a %1-year cycle (CHL).</source>
        <translation>无法加一个%1年周期（CHL）。</translation>
    </message>
    <message>
        <source>Unable to subtract a %1-year cycle (CHL).</source>
        <translation>无法减一个%1年周期（CHL）。</translation>
    </message>
    <message>
        <source>Unable to add a solar term.</source>
        <translation>无法加一个节气。</translation>
    </message>
    <message>
        <source>Unable to subtract a solar term.</source>
        <translation>无法减一个节气。</translation>
    </message>
    <message>
        <source>Unable to add a solar year.</source>
        <translation>无法加一个节气年。</translation>
    </message>
    <message>
        <source>Unable to subtract a solar year.</source>
        <translation>无法减一个节气年。</translation>
    </message>
    <message>
        <source>Unable to add a %1-year cycle (CHS).</source>
        <translation>无法加一个%1年周期（CHS）。</translation>
    </message>
    <message>
        <source>Unable to subtract a %1-year cycle (CHS).</source>
        <translation>无法减一个%1年周期（CHS）。</translation>
    </message>
    <message>
        <source>Unable to add a intercalary month.</source>
        <translation>无法往后找到闰月。</translation>
    </message>
    <message>
        <source>Unable to subtract a intercalary month.</source>
        <translation>无法往前找到闰月。</translation>
    </message>
    <message>
        <source>Lunar date is invalid.</source>
        <translation>农历日期无效。</translation>
    </message>
    <message>
        <source>Solar date is invalid.</source>
        <translation>节气历日期无效。</translation>
    </message>
    <message>
        <source>Invalid lunar date results.</source>
        <translation>得出的农历日期无效。</translation>
    </message>
    <message>
        <source>Invalid lunar date results</source>
        <translation>得出的农历日期无效</translation>
    </message>
    <message>
        <source>Invalid solar date results.</source>
        <translation>得出的节气历日期无效。</translation>
    </message>
    <message>
        <source>Invalid solar date results</source>
        <translation>得出的节气历日期无效</translation>
    </message>
    <message>
        <source>No solar term found in the table of the current year.</source>
        <translation>本年的节气表中找不到节气。</translation>
    </message>
    <message>
        <source>You must specify an element, an animal or both.</source>
        <translation>请指定五行、生肖，或两者都指定。</translation>
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
        <translation>查找过程中将农历日期换算为儒略日数时出错（%1）。</translation>
    </message>
    <message>
        <source>You must specify an element or an animal or both</source>
        <translation>请为日、月、年中的一项或多项</translation>
    </message>
    <message>
        <source>for one or more of: day, month and year</source>
        <translation>指定五行、生肖，或两者都指定</translation>
    </message>
    <message>
        <source>There is no such day within %1 year.</source>
        <translation>%1 年之内没有这样的日子。</translation>
    </message>
    <message>
        <source>There is no such day within %1 years.</source>
        <translation>%1 年之内没有这样的日子。</translation>
    </message>
    <message>
        <source>There is no such day within %1 year of today.</source>
        <translation>从今天起 %1 年之内没有这样的日子。</translation>
    </message>
    <message>
        <source>There is no such day within %1 years of today.</source>
        <translation>从今天起 %1 年之内没有这样的日子。</translation>
    </message>
    <message>
        <source>There is no such day before %1-%2-%3 CE, the latest admitted date.</source>
        <translation>在可用的最晚日期 %1-%2-%3 CE 之前没有这样的日子。</translation>
    </message>
    <message>
        <source>There is no such day after -%1-%2-%3 CE, the earliest admitted date.</source>
        <translation>在可用的最早日期 -%1-%2-%3 CE 之后没有这样的日子。</translation>
    </message>
    <message>
        <source>Restore previous log configuration also?</source>
        <translation>同时恢复之前的日志设置吗？</translation>
    </message>
    <message>
        <source>The list holds no dates to save.</source>
        <translation>列表中没有可保存的日期。</translation>
    </message>
    <message>
        <source>The iCalendar file could not be written.</source>
        <translation>无法写入 iCalendar 文件。</translation>
    </message>
    <message>
        <source>The dates have been saved in the iCalendar file (%1 event):</source>
        <translation>日期已保存到 iCalendar 文件（%1 个事件）：</translation>
    </message>
    <message>
        <source>The dates have been saved in the iCalendar file (%1 events):</source>
        <translation>日期已保存到 iCalendar 文件（%1 个事件）：</translation>
    </message>
    <message>
        <source>%1 date left out: an iCalendar file holds the years %2 to %3.</source>
        <translation>略去了 %1 个日期：iCalendar 文件只能容纳 %2 至 %3 年。</translation>
    </message>
    <message>
        <source>%1 dates left out: an iCalendar file holds the years %2 to %3.</source>
        <translation>略去了 %1 个日期：iCalendar 文件只能容纳 %2 至 %3 年。</translation>
    </message>
    <message>
        <source>The image has been saved in the PNG file</source>
        <translation>图像已保存到 PNG 文件</translation>
    </message>
    <message>
        <source>Save error.  The image has been saved instead in the BMP file</source>
        <translation>保存出错。图像已改存为 BMP 文件</translation>
    </message>
    <message>
        <source>Error when attempting to save image.  Please try again.</source>
        <translation>保存图像时出错。请重试。</translation>
    </message>
    <message>
        <source>Error launching web browser, error code = %1.</source>
        <translation>启动网页浏览器时出错，错误代码 = %1。</translation>
    </message>
    <message>
        <source>No program to open web pages was found.</source>
        <translation>找不到能打开网页的程序。</translation>
    </message>
    <message>
        <source>No program to open this file was found.</source>
        <translation>找不到能打开此文件的程序。</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>内存不足。</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>请再试一次。</translation>
    </message>
    <message>
        <source>Is this a CE Calendar date?</source>
        <translation>这是 CE 日期吗？</translation>
    </message>
    <message>
        <source>Is this a JC Calendar date?</source>
        <translation>这是 JC 日期吗？</translation>
    </message>
    <message>
        <source>Is this a CHL Calendar date?</source>
        <translation>这是 CHL 日期吗？</translation>
    </message>
    <message>
        <source>Is this a CHS Calendar date?</source>
        <translation>这是 CHS 日期吗？</translation>
    </message>
    <message>
        <source>Is this a AJD Calendar date?</source>
        <translation>这是 AJD 日期吗？</translation>
    </message>
    <message>
        <source>Is this a CJDC Calendar date?</source>
        <translation>这是 CJDC 日期吗？</translation>
    </message>
    <message>
        <source>Is this a CJDL Calendar date?</source>
        <translation>这是 CJDL 日期吗？</translation>
    </message>
    <message>
        <source>Is this a VMC Calendar date?</source>
        <translation>这是 VMC 日期吗？</translation>
    </message>
    <message>
        <source>Cannot find the festival or seasonal day.</source>
        <translation>找不到该节日或节令。</translation>
    </message>
</context>
<context>
    <name>MonthView</name>
    <message>
        <source>Lunaday</source>
        <translation>望日列</translation>
    </message>
    <message>
        <source>One quarter of the lunar month in each row</source>
        <translation>每行为农历月的四分之一</translation>
    </message>
    <message>
        <source>computed for %1º E (the almanac of %2)</source>
        <translation>按东经%1°推算（%2年历书）</translation>
    </message>
    <message>
        <source>computed for %1º%2′ E (the almanac of %3)</source>
        <translation>按东经%1°%2′推算（%3年历书）</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E) had no such month</source>
        <translation>%1年历书（东经%2°）无此月</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E) had no such month</source>
        <translation>%1年历书（东经%2°%3′）无此月</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E): %3 days from %4-%5-%6 CE</source>
        <translation>%1年历书（东经%2°）：此月%3天，始于公元%4-%5-%6</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E): %4 days from %5-%6-%7 CE</source>
        <translation>%1年历书（东经%2°%3′）：此月%4天，始于公元%5-%6-%7</translation>
    </message>
    <message>
        <source>modern rule: the almanac of the time may differ</source>
        <translation>按现代规则推算，与当年历书或有不同</translation>
    </message>
    <message>
        <source>computed for %1º E (the almanac of %2); modern rule: the almanac of the time may differ</source>
        <translation>按东经%1°推算（%2年历书）；按现代规则推算，与当年历书或有不同</translation>
    </message>
    <message>
        <source>computed for %1º%2′ E (the almanac of %3); modern rule: the almanac of the time may differ</source>
        <translation>按东经%1°%2′推算（%3年历书）；按现代规则推算，与当年历书或有不同</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E) had no such month; modern rule: the almanac of the time may differ</source>
        <translation>%1年历书（东经%2°）无此月；按现代规则推算，与当年历书或有不同</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E) had no such month; modern rule: the almanac of the time may differ</source>
        <translation>%1年历书（东经%2°%3′）无此月；按现代规则推算，与当年历书或有不同</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E): %3 days from %4-%5-%6 CE; modern rule: the almanac of the time may differ</source>
        <translation>%1年历书（东经%2°）：此月%3天，始于公元%4-%5-%6；按现代规则推算，与当年历书或有不同</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E): %4 days from %5-%6-%7 CE; modern rule: the almanac of the time may differ</source>
        <translation>%1年历书（东经%2°%3′）：此月%4天，始于公元%5-%6-%7；按现代规则推算，与当年历书或有不同</translation>
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
        <translation>复制所选文本到剪贴板</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>years</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Error in listing</source>
        <translation>列表出错</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>within %1 year</source>
        <translation>%1 年之内</translation>
    </message>
    <message>
        <source>within %1 years</source>
        <translation>%1 年之内</translation>
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
        <translation>中国</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>-%1 = %2 BC</source>
        <translation>-%1 = 公元前 %2 年</translation>
    </message>
    <message>
        <source>true sun</source>
        <translation>定气</translation>
    </message>
    <message>
        <source>mean sun</source>
        <translation>平气</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>day</source>
        <translation>天</translation>
    </message>
    <message>
        <source>CE month</source>
        <translation>公历月</translation>
    </message>
    <message>
        <source>CE year</source>
        <translation>公历年</translation>
    </message>
    <message>
        <source>CE century</source>
        <translation>公历世纪</translation>
    </message>
    <message>
        <source>CHL month</source>
        <translation>农历月</translation>
    </message>
    <message>
        <source>CHL year</source>
        <translation>农历年</translation>
    </message>
    <message>
        <source>60-year cycle (CHL)</source>
        <translation>六十年甲子（农历）</translation>
    </message>
    <message>
        <source>CHS solar term</source>
        <translation>节气</translation>
    </message>
    <message>
        <source>CHS year</source>
        <translation>节气年</translation>
    </message>
    <message>
        <source>60-year cycle (CHS)</source>
        <translation>六十年甲子（节气历）</translation>
    </message>
    <message>
        <source>60-day cycle</source>
        <translation>六十日甲子</translation>
    </message>
    <message>
        <source>80-year cycle (JC)</source>
        <translation>八十年周期（儒略历）</translation>
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
        <translation>望（满月）</translation>
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
        <translation>农历新年</translation>
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
        <translation>节气</translation>
    </message>
    <message>
        <source>Solar term + dark moon</source>
        <translation>节气 + 朔</translation>
    </message>
    <message>
        <source>Solar term + full moon</source>
        <translation>节气 + 望</translation>
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
        <translation>闰月</translation>
    </message>
    <message>
        <source>Korea</source>
        <translation>韩国</translation>
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
        <translation>节日或节令</translation>
    </message>
</context>
<context>
    <name>WindowLanguage</name>
    <message>
        <source>en</source>
        <extracomment>The tag of this translation&apos;s language, exactly one of: zh-Hans zh-Hant vi ja ko. The windows name the calendar&apos;s stems, branches, elements and animals in it.</extracomment>
        <translation>zh-Hans</translation>
    </message>
</context>
<context>
    <name>mirvo::CommandPanel</name>
    <message>
        <source>Show lunar calendar month</source>
        <translation>显示农历月历</translation>
    </message>
    <message>
        <source>Dark moons &amp;&amp; solar terms</source>
        <translation>朔与节气</translation>
    </message>
    <message>
        <source>Lunar new years</source>
        <translation>农历新年</translation>
    </message>
    <message>
        <source>Month starts / leap months</source>
        <translation>月首 / 闰月</translation>
    </message>
    <message>
        <source>European new years</source>
        <translation>西历元旦</translation>
    </message>
    <message>
        <source>Add to log</source>
        <translation>添加到日志</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>查看日志</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>清除日志</translation>
    </message>
    <message>
        <source>Configure log</source>
        <translation>日志设置</translation>
    </message>
    <message>
        <source>Save state</source>
        <translation>保存状态</translation>
    </message>
    <message>
        <source>Restore state</source>
        <translation>恢复状态</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Brisvale software</source>
        <extracomment>The maker&apos;s programs; Brisvale is its name.</extracomment>
        <translation>Brisvale 软件</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Compare suns</source>
        <translation>比较太阳</translation>
    </message>
    <message>
        <source>Dates/times/CJDs of dark moons &amp; solar terms</source>
        <translation>朔与节气的日期、时刻和民用儒略日</translation>
    </message>
    <message>
        <source>Online documentation</source>
        <translation>在线文档</translation>
    </message>
    <message>
        <source>Open the project page %1</source>
        <translation>打开项目主页 %1</translation>
    </message>
    <message>
        <source>Open the user manual that came with the program (in English)</source>
        <translation>打开随程序附带的用户手册（英文）</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>节日</translation>
    </message>
</context>
<context>
    <name>mirvo::ConvertPanel</name>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>e.g. 2024-02-10 CE, 79-41-1-1 CHL, 4722-1-1 CHL</source>
        <extracomment>Examples of dates typed with their calendar&apos;s code; the codes stay as they are.</extracomment>
        <translation>例如 2024-02-10 CE、79-41-1-1 CHL、4722-1-1 CHL</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <extracomment>Hours and minutes.</extracomment>
        <translation>时:分</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>加</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>减</translation>
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
        <translation>现在</translation>
    </message>
</context>
<context>
    <name>mirvo::LogPanel</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>查看日志</translation>
    </message>
    <message>
        <source>Log is empty</source>
        <translation>日志为空</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>清除日志</translation>
    </message>
    <message>
        <source>Erase all data in the log?</source>
        <translation>清除日志中的全部内容吗？</translation>
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
        <translation>往后</translation>
    </message>
    <message>
        <source>back</source>
        <translation>往前</translation>
    </message>
    <message>
        <source>repeatedly</source>
        <translation>连续</translation>
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
        <translation>保留闰月</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Refresh period (in seconds):</source>
        <translation>刷新间隔（秒）：</translation>
    </message>
</context>
<context>
    <name>mirvo::SearchPanel</name>
    <message>
        <source>Search</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>正在查找</translation>
    </message>
</context>
<context>
    <name>mirvo::SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国家</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>纪元</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>算法</translation>
    </message>
    <message>
        <source>º E</source>
        <extracomment>After the longitude: degrees east of Greenwich.</extracomment>
        <translation>°E</translation>
    </message>
    <message>
        <source>The zone label of the reference meridian</source>
        <translation>参考子午线的时区标记</translation>
    </message>
    <message>
        <source>Show Vellomir Calendar</source>
        <translation>显示维洛米尔历</translation>
    </message>
    <message>
        <source>Show chronological JDs</source>
        <translation>显示民用儒略日</translation>
    </message>
    <message>
        <source>Auto log</source>
        <translation>自动记录</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the language of the windows follows the system&apos;s locale</comment>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>The language of the windows; System follows the locale (English where the program has no translation)</source>
        <translation>窗口使用的语言；“跟随系统”按系统区域设置选择（程序没有相应译文时用英文）</translation>
    </message>
    <message>
        <source>Follow the calendar&apos;s history</source>
        <translation>依历法沿革推算</translation>
    </message>
    <message>
        <source>Compute each lunar year for the meridian of its country&apos;s almanac of the time (China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911)</source>
        <translation>每个农历年按其国家当年历书所用的子午线推算（中国东经116°25′至1928年，越南东经120°至1967年，韩国东经120°至1911年）</translation>
    </message>
</context>
<context>
    <name>mirvo::frmBVsoftware</name>
    <message>
        <source>A calendar converter and almanac for the Chinese lunisolar calendar and its Vietnamese and Japanese variants: one instant shown in the Common Era and Julian calendars, the Chinese lunar and solar calendars, the Vellomir Calendar and the Julian day counts, with the element-animal names of the year, month and day, the phase and age of the Moon and Delta T.</source>
        <translation>中国阴阳合历及其越南、日本变体的历法换算与历书程序：同一时刻同时以公历、儒略历、中国农历和节气历、维洛米尔历以及儒略日数显示，并给出年、月、日的五行生肖、月相、月龄和 ΔT。</translation>
    </message>
    <message>
        <source>Brisvale Systems software</source>
        <extracomment>Brisvale Systems is the maker&apos;s name.</extracomment>
        <translation>Brisvale Systems 软件</translation>
    </message>
    <message>
        <source>Open page</source>
        <translation>打开网页</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>mirvo::frmCalendar</name>
    <message>
        <source>Show previous month</source>
        <translation>显示上个月</translation>
    </message>
    <message>
        <source>Show next month</source>
        <translation>显示下个月</translation>
    </message>
    <message>
        <source>Save as PNG image</source>
        <translation>保存为 PNG 图像</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 of the %2 year (%3), position %4 of cycle %5 (year %6)</source>
        <extracomment>%1 the lunar month, %2 the year&apos;s stems and branches, %3 its element and animal, %4 the year&apos;s place in the 60-year cycle, %5 the cycle&apos;s number, %6 the year counted from the epoch.</extracomment>
        <translation>%2年（%3）%1&#x3000;第 %5 甲子第 %4 年（黄帝纪年 %6）</translation>
    </message>
    <message>
        <source>Common Era year %1 (%2) - %3 (%4)</source>
        <extracomment>The Common Era years and months of the lunar month: 2033 (December) - 2034 (January).</extracomment>
        <translation>公历 %1 年%2 至 %3 年%4</translation>
    </message>
    <message>
        <source>Common Era year %1, month of %2</source>
        <translation>公历 %1 年%2</translation>
    </message>
    <message>
        <source>Common Era year %1 (%2-%3)</source>
        <translation>公历 %1 年%2至%3</translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <extracomment>A cell&apos;s Common Era date: %1 the weekday&apos;s short name, %2 the month&apos;s number, %3 the day.</extracomment>
        <translation>%2月%3日 %1</translation>
    </message>
    <message>
        <source>Uncertain</source>
        <translation>不确定</translation>
    </message>
</context>
<context>
    <name>mirvo::frmCredits</name>
    <message>
        <source>Credits</source>
        <translation>致谢</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mirvo&lt;/b&gt; rests on published work:</source>
        <translation>&lt;b&gt;Mirvo&lt;/b&gt; 依据以下已发表的成果：</translation>
    </message>
    <message>
        <source>the Moon from the ELP/MPP02 lunar theory of J. Chapront and G. Francou;</source>
        <translation>月球：J. Chapront 与 G. Francou 的 ELP/MPP02 月球理论；</translation>
    </message>
    <message>
        <source>the Sun from the VSOP87 planetary theory of P. Bretagnon and G. Francou;</source>
        <translation>太阳：P. Bretagnon 与 G. Francou 的 VSOP87 行星理论；</translation>
    </message>
    <message>
        <source>Delta T from the Earth-orientation observations of the IERS (1962 on) and the long-term record of L. V. Morrison, F. R. Stephenson, C. Y. Hohenkerk and M. Zawilski (2021) before;</source>
        <translation>ΔT：1962 年起取自 IERS 的地球定向观测，此前取自 L. V. Morrison、F. R. Stephenson、C. Y. Hohenkerk 与 M. Zawilski（2021）的长期记录；</translation>
    </message>
    <message>
        <source>the rules of the Chinese calendar as set out by Helmer Aslaksen, &lt;i&gt;The Mathematics of the Chinese Calendar&lt;/i&gt;;</source>
        <translation>农历规则：依照 Helmer Aslaksen 的 &lt;i&gt;The Mathematics of the Chinese Calendar&lt;/i&gt;；</translation>
    </message>
    <message>
        <source>day counts and calendar arithmetic after J. Meeus, &lt;i&gt;Astronomical Algorithms&lt;/i&gt;.</source>
        <translation>日数与历法运算：依照 J. Meeus 的 &lt;i&gt;Astronomical Algorithms&lt;/i&gt;。</translation>
    </message>
    <message>
        <source>The stem and branch characters are written in the WenQuanYi Micro Hei font.</source>
        <translation>干支字样使用文泉驿微米黑字体。</translation>
    </message>
    <message>
        <source>The windows&apos; Chinese, Japanese and Korean texts are written in the Noto Sans CJK fonts.</source>
        <translation>窗口中的中文、日文和韩文使用 Noto Sans CJK 字体。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>Mirvo：历法换算</translation>
    </message>
    <message>
        <source>The main window keeps one &lt;b&gt;current instant&lt;/b&gt; and shows it at once in every reckoning. Type a date in any of them, press &lt;b&gt;Convert&lt;/b&gt; (or Enter), and every row follows. &lt;b&gt;Now&lt;/b&gt; returns to the present moment; &lt;b&gt;Move&lt;/b&gt; steps the instant, &lt;b&gt;Search for&lt;/b&gt; finds events, and the buttons on the right open the listings, the lunar calendar month and the log. The user manual (the link &quot;Online documentation&quot;) tells all of it in detail.</source>
        <translation>主窗口保存一个&lt;b&gt;当前时刻&lt;/b&gt;，并同时以各种历法显示。用任何一种历法输入日期，按&lt;b&gt;转换&lt;/b&gt;（或回车），各行随之更新。&lt;b&gt;现在&lt;/b&gt;回到此刻；&lt;b&gt;推移&lt;/b&gt;按步移动时刻，&lt;b&gt;查找&lt;/b&gt;寻找天象与历日，右侧的按钮打开各种列表、农历月历和日志。用户手册（链接“在线文档”）有详细说明。</translation>
    </message>
    <message>
        <source>The user manual is written in English.</source>
        <extracomment>Said only in the translated help: the manual has no translation.</extracomment>
        <translation>用户手册为英文。</translation>
    </message>
    <message>
        <source>The reckonings</source>
        <translation>各种历法</translation>
    </message>
    <message>
        <source>&lt;b&gt;CE&lt;/b&gt;: the Common Era (Gregorian) calendar, also before 1582. Years are astronomical: the year before 1 is 0, and 44 BC is -43.</source>
        <translation>&lt;b&gt;CE&lt;/b&gt;：公历（格里历），1582 年以前亦按此推算。年份采用天文纪年：1 年的前一年为 0 年，公元前 44 年即 -43 年。</translation>
    </message>
    <message>
        <source>&lt;b&gt;JC&lt;/b&gt;: the Julian Calendar, with the same year numbers.</source>
        <translation>&lt;b&gt;JC&lt;/b&gt;：儒略历，年份编号与公历相同。</translation>
    </message>
    <message>
        <source>&lt;b&gt;CHL&lt;/b&gt;: the Chinese lunar calendar. A date is written &lt;i&gt;cycle-position-month-day&lt;/i&gt;: the 60-year cycle (cycle 1 began in 2697 BC, or 2637 BC with the other epoch), the year&apos;s place 1 to 60 in it, the month (a &lt;b&gt;*&lt;/b&gt; marks a leap month) and the day 1 to 30. A month begins on the civil day, at the reference meridian, of a dark moon; the month holding the winter solstice is month 11; a year of 13 months repeats the first month that holds no major solar term.</source>
        <translation>&lt;b&gt;CHL&lt;/b&gt;：中国农历。日期写作&lt;i&gt;周期-年序-月-日&lt;/i&gt;：六十年甲子的序号（第 1 甲子始于公元前 2697 年，另一纪元为公元前 2637 年）、该年在甲子中的位置 1 至 60、月份（&lt;b&gt;*&lt;/b&gt; 表示闰月）和日 1 至 30。以参考子午线上朔所在的民用日为每月初一；含冬至之月为十一月；有十三个月的年份，以第一个不含中气的月份为闰月。</translation>
    </message>
    <message>
        <source>&lt;b&gt;CHS&lt;/b&gt;: the Chinese solar calendar: &lt;i&gt;cycle-position-solarterm-day&lt;/i&gt;. The 24 solar terms are the 15° steps of the Sun&apos;s apparent longitude; the solar year begins at the winter solstice (term 1). On the first day of a term the row shows the term&apos;s code in parentheses.</source>
        <translation>&lt;b&gt;CHS&lt;/b&gt;：中国节气历，写作&lt;i&gt;周期-年序-节气-日&lt;/i&gt;。二十四节气是太阳视黄经每 15° 的分点；节气年始于冬至（第 1 个节气）。在节气的第一天，该行在括号中显示节气代码。</translation>
    </message>
    <message>
        <source>&lt;b&gt;VMC&lt;/b&gt;: the Vellomir Calendar, an arithmetic lunisolar calendar, shown for Greenwich and for the reference meridian. The small note under it tells how its month and day compare with the lunar date.</source>
        <translation>&lt;b&gt;VMC&lt;/b&gt;：维洛米尔历，一种按算术规则编排的阴阳历，分别按格林尼治和参考子午线显示。其下的小字说明它的月、日与农历日期的比较。</translation>
    </message>
    <message>
        <source>&lt;b&gt;CJDL&lt;/b&gt;, &lt;b&gt;CJDC&lt;/b&gt;: chronological Julian dates, the civil days counted at London and at the reference meridian (shown when &quot;Show chronological JDs&quot; is ticked). &lt;b&gt;AJD&lt;/b&gt;: the astronomical Julian date, counted from noon Universal Time.</source>
        <translation>&lt;b&gt;CJDL&lt;/b&gt;、&lt;b&gt;CJDC&lt;/b&gt;：民用儒略日，即按伦敦和按参考子午线计数的民用日（勾选“显示民用儒略日”时显示）。&lt;b&gt;AJD&lt;/b&gt;：天文儒略日，从世界时正午起算。</translation>
    </message>
    <message>
        <source>Beside the dates the window names the element and animal of the year, the lunar month and the day, shows the Moon&apos;s phase, illumination and age, and Delta T (the difference between the uniform time of the ephemeris and the time kept by the Earth&apos;s rotation). For China the year and the day are also shown as their written stem and branch.</source>
        <translation>日期旁边列出年、农历月和日的五行生肖，显示月相、亮面比例和月龄，以及 ΔT（历书所用均匀时间与地球自转所定时间之差）。国家为中国时，还以干支字样写出年和日。</translation>
    </message>
    <message>
        <source>Typing a date</source>
        <translation>输入日期</translation>
    </message>
    <message>
        <source>End the date with the code of its calendar; case and spaces do not matter, and &quot;,&quot; may group thousands. Examples:</source>
        <translation>在日期后面写上其历法代码；大小写和空格不限，可用“,”分隔千位。示例：</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>历法</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>示例</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>年-月-日</translation>
    </message>
    <message>
        <source>cycle-position-month[*]-day</source>
        <translation>周期-年序-月[*]-日</translation>
    </message>
    <message>
        <source>CHL (China)</source>
        <translation>CHL（中国）</translation>
    </message>
    <message>
        <source>year-month-day, with the Overseas Chinese year</source>
        <translation>年-月-日，年份为黄帝纪年</translation>
    </message>
    <message>
        <source>&quot;?&quot; for the position: choose the element and the animal in the lists</source>
        <translation>年序写“?”：在列表中选择五行和生肖</translation>
    </message>
    <message>
        <source>70-?-12-30 CHL with fire and dog</source>
        <translation>70-?-12-30 CHL，并选火、狗</translation>
    </message>
    <message>
        <source>cycle-position-solarterm-day</source>
        <translation>周期-年序-节气-日</translation>
    </message>
    <message>
        <source>a decimal number</source>
        <translation>十进制数</translation>
    </message>
    <message>
        <source>The time goes in the &lt;b&gt;Time&lt;/b&gt; box as hours:minutes (12:00 when empty), and &lt;b&gt;Zone&lt;/b&gt; says whether it is Greenwich time (GMT) or the time of the reference meridian. Dates without a code are taken, after a question, in the current entry calendar (the row whose caption is white).</source>
        <translation>时间以“时:分”填入&lt;b&gt;时间&lt;/b&gt;框（留空为 12:00），&lt;b&gt;时区&lt;/b&gt;指明这是格林尼治时间（GMT）还是参考子午线的时间。未写代码的日期经询问后按当前输入历法（标题为白色的那一行）理解。</translation>
    </message>
    <message>
        <source>To add or subtract days, put the number in the &lt;b&gt;plus/minus&lt;/b&gt; box and choose plus or minus; with an empty date box the current date is used, so 10 with plus moves ten days ahead.</source>
        <translation>要加减天数，在&lt;b&gt;加/减&lt;/b&gt;框中填入天数并选择“加”或“减”；日期框为空时以当前日期为准，因此填 10 并选“加”即前进十天。</translation>
    </message>
    <message>
        <source>A click on a row copies its value to the clipboard and makes that calendar the entry calendar; a click on the value also puts it into the entry boxes, ready to be edited and converted.</source>
        <translation>单击某一行会把它的值复制到剪贴板，并把该历法设为输入历法；单击值本身还会把它填入输入框，以便修改后转换。</translation>
    </message>
    <message>
        <source>Dates from -3000-01-01 CE to 3000-01-01 CE are accepted.</source>
        <translation>可用日期范围为 -3000-01-01 CE 至 3000-01-01 CE。</translation>
    </message>
    <message>
        <source>When a lunar month&apos;s first day, number or leap status rests on a new moon or solar term closer to midnight than the uncertainty of its time, the tooltip of the lunar date says so and names the day other tables may give; the lunar calendar month notes it in its top right cell.</source>
        <translation>如果某农历月的初一、月序或是否为闰月取决于一个离午夜很近、近于其时刻误差的朔或节气，农历日期的提示会说明这一点，并指出其他历表可能给出的日子；农历月历在右上角的格子中注明。</translation>
    </message>
    <message>
        <source>Moving and searching</source>
        <translation>推移与查找</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move&lt;/b&gt; forward or back 1 step: a minute, hour, day or 60 days, or a month, year or century of the CE, lunar (CHL), solar (CHS), Julian or Vellomir calendar, each in its own arithmetic (a CHL month goes through leap months). With &lt;b&gt;repeatedly&lt;/b&gt; it steps again at the refresh period until &lt;b&gt;Stop&lt;/b&gt;, with &lt;b&gt;Pause&lt;/b&gt; and &lt;b&gt;Resume&lt;/b&gt;; &lt;b&gt;keep 30th&lt;/b&gt; and &lt;b&gt;keep leap&lt;/b&gt; then bring a lunar date back to day 30 or into its leap month where they exist. &lt;b&gt;one day&lt;/b&gt; moves exactly one day.</source>
        <translation>&lt;b&gt;推移&lt;/b&gt;往后或往前一步：一分钟、一小时、一天或六十天，或公历、农历（CHL）、节气历（CHS）、儒略历、维洛米尔历的一个月、一年或一个世纪，各按其历法推算（农历月会经过闰月）。勾选&lt;b&gt;连续&lt;/b&gt;后按刷新间隔不断推移，直到&lt;b&gt;停止&lt;/b&gt;，其间可&lt;b&gt;暂停&lt;/b&gt;和&lt;b&gt;继续&lt;/b&gt;；&lt;b&gt;保留三十&lt;/b&gt;和&lt;b&gt;保留闰月&lt;/b&gt;让农历日期在有三十日或闰月的地方回到三十日或闰月。&lt;b&gt;一天&lt;/b&gt;恰好推移一天。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search for&lt;/b&gt; the next or previous full moon, dark moon, quarter, lunar new year, solstice, equinox or solar term, a dark or full moon on the first day of a term, a day, month or year of the element and animal chosen beside the date box, a triple coincidence day or a leap month. &quot;Multiple element-animal day&quot; opens a window for conditions on the day, the month and the year at once.</source>
        <translation>&lt;b&gt;查找&lt;/b&gt;下一个或上一个望、朔、弦、农历新年、二至、二分或节气，落在节气首日的朔或望，日期框旁所选五行生肖的日、月或年，三重巧合日或闰月。“多重五行生肖日”打开一个窗口，可同时为日、月、年设定条件。</translation>
    </message>
    <message>
        <source>Listings and the month view</source>
        <translation>列表与月历</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dark moons &amp;amp; solar terms&lt;/b&gt; lists the dark moons and solar terms of three solar years. &lt;b&gt;Lunar new years&lt;/b&gt;, &lt;b&gt;Month starts / leap months&lt;/b&gt; and &lt;b&gt;European new years&lt;/b&gt; list, over a number of years, the lunar new years (or anniversaries of the lunar date shown), the first days of the months or of the leap months, and the lunar date of each 1 January; &lt;b&gt;Stop&lt;/b&gt; ends a long list, and &lt;b&gt;Save as iCalendar…&lt;/b&gt; writes the lunar dates listed into a file that desktop, web and phone calendars import. &lt;b&gt;Show lunar calendar month&lt;/b&gt; draws the lunar month as a page of four rows, one quarter of the month each, with day 15 and day 30 in the &quot;Lunaday&quot; column; it steps through the months and saves the page as a PNG image.</source>
        <translation>&lt;b&gt;朔与节气&lt;/b&gt;列出三个节气年内的朔和节气。&lt;b&gt;农历新年&lt;/b&gt;、&lt;b&gt;月首 / 闰月&lt;/b&gt;和&lt;b&gt;西历元旦&lt;/b&gt;在若干年内分别列出农历新年（或所示农历日期的周年纪念日）、各月或闰月的初一，以及每年 1 月 1 日的农历日期；&lt;b&gt;停止&lt;/b&gt;可中止较长的列表，&lt;b&gt;保存为 iCalendar…&lt;/b&gt;把列出的农历日期写入电脑、网页和手机日历都能导入的文件。&lt;b&gt;显示农历月历&lt;/b&gt;把农历月画成一页四行，每行为该月的四分之一，十五日和三十日位于“望日列”；可逐月翻看，并把该页保存为 PNG 图像。</translation>
    </message>
    <message>
        <source>The listings and the log entries are written in English, as mirvo-cli writes them.</source>
        <extracomment>Said only in the translated help.</extracomment>
        <translation>列表和日志条目与 mirvo-cli 的输出一样使用英文。</translation>
    </message>
    <message>
        <source>The log and the saved state</source>
        <translation>日志与保存的状态</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add to log&lt;/b&gt; writes the instant into the log in the reckonings chosen under &lt;b&gt;Configure log&lt;/b&gt;; &lt;b&gt;View log&lt;/b&gt; shows it for editing and copying, &lt;b&gt;Clear log&lt;/b&gt; empties it. With &lt;b&gt;Auto log&lt;/b&gt; every Now, conversion, move and search adds an entry headed by what was done. &lt;b&gt;Save state&lt;/b&gt;, &lt;b&gt;Quit&lt;/b&gt; and closing the window keep the instant and every choice for the next start; &lt;b&gt;Restore state&lt;/b&gt; goes back to them.</source>
        <translation>&lt;b&gt;添加到日志&lt;/b&gt;按&lt;b&gt;日志设置&lt;/b&gt;中选定的历法把当前时刻写入日志；&lt;b&gt;查看日志&lt;/b&gt;显示日志以便编辑和复制，&lt;b&gt;清除日志&lt;/b&gt;将其清空。勾选&lt;b&gt;自动记录&lt;/b&gt;后，每次“现在”、转换、推移和查找都会添加一条以所做操作开头的条目。&lt;b&gt;保存状态&lt;/b&gt;、&lt;b&gt;退出&lt;/b&gt;和关闭窗口都会保存当前时刻和各项选择，供下次启动使用；&lt;b&gt;恢复状态&lt;/b&gt;回到保存的状态。</translation>
    </message>
    <message>
        <source>The command-line tool</source>
        <translation>命令行工具</translation>
    </message>
    <message>
        <source>&lt;code&gt;mirvo-cli&lt;/code&gt; prints the same calendar for scripts: &lt;code&gt;show&lt;/code&gt;, &lt;code&gt;move&lt;/code&gt;, &lt;code&gt;search&lt;/code&gt;, &lt;code&gt;list&lt;/code&gt;, &lt;code&gt;year-data&lt;/code&gt;, &lt;code&gt;month-view&lt;/code&gt;, &lt;code&gt;log-entry&lt;/code&gt;, &lt;code&gt;export&lt;/code&gt; (iCalendar files) and more; &lt;code&gt;mirvo-cli --help&lt;/code&gt; lists them all.</source>
        <translation>&lt;code&gt;mirvo-cli&lt;/code&gt; 为脚本输出同样的历法：&lt;code&gt;show&lt;/code&gt;、&lt;code&gt;move&lt;/code&gt;、&lt;code&gt;search&lt;/code&gt;、&lt;code&gt;list&lt;/code&gt;、&lt;code&gt;year-data&lt;/code&gt;、&lt;code&gt;month-view&lt;/code&gt;、&lt;code&gt;log-entry&lt;/code&gt;、&lt;code&gt;export&lt;/code&gt;（iCalendar 文件）等；&lt;code&gt;mirvo-cli --help&lt;/code&gt; 列出全部命令。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>&lt;b&gt;Longitude&lt;/b&gt;: the reference meridian itself, 100° to 145° east, with its zone label (for example BEI for 116°, the meridian of Beijing). Months and terms begin on the civil day at this meridian, so a dark moon shortly before midnight can fall on different days for different meridians.</source>
        <translation>&lt;b&gt;经度&lt;/b&gt;：参考子午线本身，东经 100° 至 145°，附时区标记（例如 116° 为 BEI，即北京的经线）。月份和节气从这条子午线上的民用日开始，因此临近午夜的朔在不同子午线上可能落在不同的日子。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Epoch&lt;/b&gt;: the year of cycle 1, position 1: 2697 BC (-2696) or 2637 BC (-2636). It changes the cycle numbers, not the dates.</source>
        <translation>&lt;b&gt;纪元&lt;/b&gt;：第 1 甲子第 1 年所在之年：公元前 2697 年（-2696）或公元前 2637 年（-2636）。它只改变甲子序号，不改变日期。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Method&lt;/b&gt;: &quot;true sun&quot; places the solar terms by the Sun&apos;s apparent longitude; &quot;mean sun&quot; divides the tropical year evenly, as the calendar did before 1645.</source>
        <translation>&lt;b&gt;算法&lt;/b&gt;：“定气”按太阳视黄经确定节气；“平气”把回归年平均分割，即 1645 年以前历法的做法。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Vellomir Calendar&lt;/b&gt; and &lt;b&gt;Show chronological JDs&lt;/b&gt; show or hide those rows; &lt;b&gt;Auto log&lt;/b&gt; is described above.</source>
        <translation>&lt;b&gt;显示维洛米尔历&lt;/b&gt;和&lt;b&gt;显示民用儒略日&lt;/b&gt;显示或隐藏相应的行；&lt;b&gt;自动记录&lt;/b&gt;见上文。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Language&lt;/b&gt;: the language of the windows. &lt;b&gt;System&lt;/b&gt; follows the locale of the desktop, English where the program has no translation. The choice takes effect at once and is remembered for the next start; the codes of the calendars and the dates typed stay the same in every language.</source>
        <translation>&lt;b&gt;语言&lt;/b&gt;：窗口使用的语言。&lt;b&gt;跟随系统&lt;/b&gt;按桌面的区域设置选择，程序没有相应译文时用英文。选择立即生效，并在下次启动时保留；历法代码和输入的日期在各种语言中都不变。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Reset&lt;/b&gt; restores the entry calendar, the display switches and the options, but keeps the country, longitude, epoch and method.</source>
        <translation>&lt;b&gt;重置&lt;/b&gt;恢复输入历法、显示开关和各选项，但保留国家、经度、纪元和算法。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (F1 in the date box, on Now, Move or Help) opens this window; &lt;b&gt;Brisvale software&lt;/b&gt; lists the maker&apos;s programs.</source>
        <translation>&lt;b&gt;帮助&lt;/b&gt;（在日期框、“现在”、“推移”或“帮助”上按 F1）打开本窗口；&lt;b&gt;Brisvale 软件&lt;/b&gt;列出开发者的其他程序。</translation>
    </message>
    <message>
        <source>Mirvo Help</source>
        <translation>Mirvo 帮助</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>致谢</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&lt;b&gt;Country&lt;/b&gt;: Vietnam, China, Japan or Korea. It sets the reference meridian (105°, 120°, 135° or 135° east), the names of the animals (cat and goat in Vietnam, boar in Japan) and the colour of the window. The choice is remembered for the next start.</source>
        <translation>&lt;b&gt;国家&lt;/b&gt;：越南、中国、日本或韩国。它决定参考子午线（东经 105°、120°、135° 或 135°）、生肖名称（越南为猫和山羊，日本为野猪）和窗口的颜色。所作选择在下次启动时保留。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Follow the calendar&apos;s history&lt;/b&gt;: each lunar year is computed for the meridian its country&apos;s almanac used that year (China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911). Dates before the years whose almanacs the modern rule reproduces (China 1912, Vietnam 1945, Korea 1900, Japan 1873) say in their tooltip that the almanac of the time may differ.</source>
        <translation>&lt;b&gt;依历法沿革推算&lt;/b&gt;：每个农历年按其国家当年历书所用的子午线推算（中国东经116°25′至1928年，越南东经120°至1967年，韩国东经120°至1911年）。在现代规则能重现当年历书的年份之前（中国1912年、越南1945年、韩国1900年、日本1873年），日期的提示会说明当年历书或有不同。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Festivals&lt;/b&gt; lists the festivals and seasonal days of the country over a number of years; the line beside the lunar date and the cells of the month view name the day&apos;s, and Search finds the next or previous day of the one chosen.</source>
        <translation>&lt;b&gt;节日&lt;/b&gt;列出本国若干年内的节日与节令；农历日期旁的一行和月历的各格标出当天的节日，查找可找出所选节日的下一个或上一个日子。</translation>
    </message>
</context>
<context>
    <name>mirvo::frmLog</name>
    <message>
        <source>Clear log</source>
        <translation>清除日志</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Log for %1</source>
        <translation>%1 日志</translation>
    </message>
    <message>
        <source>Closing the log window in this way
causes its contents to be lost.

To preserve the contents, choose Cancel
and use the &apos;Close&apos; button.

Discard the log?</source>
        <translation>以这种方式关闭日志窗口
会丢失其中的内容。

要保留内容，请选择“取消”，
然后使用“关闭”按钮。

放弃日志吗？</translation>
    </message>
    <message>
        <source>Close log</source>
        <translation>关闭日志</translation>
    </message>
    <message>
        <source>Erase all data in the log?</source>
        <translation>清除日志中的全部内容吗？</translation>
    </message>
</context>
<context>
    <name>mirvo::frmLogPreferences</name>
    <message>
        <source>Configure log entries</source>
        <translation>日志条目设置</translation>
    </message>
    <message>
        <source>Include in log entries:</source>
        <translation>日志条目包括：</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国历法</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>西历</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>天文</translation>
    </message>
    <message>
        <source>Set all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>全不选</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>mirvo::frmMain</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>The translation of the windows into %1 could not be loaded; they stay in English.</source>
        <translation>无法载入窗口的%1译文；窗口仍使用英文。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
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
        <translation>从今天开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Search for the next</source>
        <translation>往后查找</translation>
    </message>
    <message>
        <source>Search for the previous</source>
        <translation>往前查找</translation>
    </message>
</context>
</TS>
