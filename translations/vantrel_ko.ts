<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>DataWindowForm</name>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>List</source>
        <translation>목록</translation>
    </message>
    <message>
        <source>Large window</source>
        <translation>큰 창</translation>
    </message>
    <message>
        <source>Include major solar terms (the Zs)</source>
        <extracomment>Z1 … Z12, the codes of the major terms, stay as they are.</extracomment>
        <translation>중기 포함 (Z)</translation>
    </message>
    <message>
        <source>Include minor solar terms (the Js)</source>
        <extracomment>J1 … J12, the codes of the minor terms, stay as they are.</extracomment>
        <translation>절기 포함 (J)</translation>
    </message>
    <message>
        <source>Display solar term names</source>
        <translation>절기 이름 표시</translation>
    </message>
    <message>
        <source>Leap months only</source>
        <translation>윤달만</translation>
    </message>
    <message>
        <source>Omit invalid dates</source>
        <translation>없는 날짜 빼기</translation>
    </message>
    <message>
        <source>European calendar:</source>
        <translation>서양력:</translation>
    </message>
    <message>
        <source>Second test: a date to test</source>
        <translation>두 번째 시험: 시험할 날짜</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Common Era (Gregorian):</source>
        <translation>양력 (그레고리력):</translation>
    </message>
    <message>
        <source>Julian Calendar:</source>
        <translation>율리우스력:</translation>
    </message>
    <message>
        <source>Chinese Lunar:</source>
        <translation>중국 음력:</translation>
    </message>
    <message>
        <source>Chinese Solar:</source>
        <translation>중국 절기력:</translation>
    </message>
    <message>
        <source>Vietnamese Lunar:</source>
        <translation>베트남 음력:</translation>
    </message>
    <message>
        <source>Vietnamese Solar:</source>
        <translation>베트남 절기력:</translation>
    </message>
    <message>
        <source>Japanese Lunar:</source>
        <translation>일본 음력:</translation>
    </message>
    <message>
        <source>Japanese Solar:</source>
        <translation>일본 절기력:</translation>
    </message>
    <message>
        <source>Vellomir Calendar:</source>
        <translation>벨로미르력:</translation>
    </message>
    <message>
        <source>Chronological JD London:</source>
        <translation>역일 율리우스일 (런던):</translation>
    </message>
    <message>
        <source>Chronological JD %1º East</source>
        <translation>역일 율리우스일 (동경 %1°)</translation>
    </message>
    <message>
        <source>Astronomical Julian date:</source>
        <translation>천문 율리우스일:</translation>
    </message>
    <message>
        <source>Phase of Moon, illumination:</source>
        <translation>달의 위상, 밝은 부분:</translation>
    </message>
    <message>
        <source>[Lunation] Age of Moon:</source>
        <translation>[삭망월 번호] 월령:</translation>
    </message>
    <message>
        <source>Delta T:</source>
        <translation>ΔT:</translation>
    </message>
    <message>
        <source>VMC month &amp; day same as CHL</source>
        <translation>VMC 월일이 CHL과 같음</translation>
    </message>
    <message>
        <source>VMC date %1 day ahead of CHL</source>
        <translation>VMC 날짜가 CHL보다 %1일 앞섬</translation>
    </message>
    <message>
        <source>VMC date %1 day behind CHL</source>
        <translation>VMC 날짜가 CHL보다 %1일 늦음</translation>
    </message>
    <message>
        <source>VMC date %1 month ahead of CHL</source>
        <translation>VMC 날짜가 CHL보다 %1개월 앞섬</translation>
    </message>
    <message>
        <source>VMC date %1 month behind CHL</source>
        <translation>VMC 날짜가 CHL보다 %1개월 늦음</translation>
    </message>
    <message>
        <source>VMC month no. same as CHL</source>
        <translation>VMC 월 번호가 CHL과 같음</translation>
    </message>
    <message>
        <source>VMC day no. same as CHL</source>
        <translation>VMC 일 번호가 CHL과 같음</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>황제 기년 %1년</translation>
    </message>
    <message>
        <source>Korean Lunar:</source>
        <translation>한국 음력:</translation>
    </message>
    <message>
        <source>Korean Solar:</source>
        <translation>한국 절기력:</translation>
    </message>
    <message>
        <source>Vietnamese Lunar (%1º E):</source>
        <translation>베트남 음력 (동경 %1°):</translation>
    </message>
    <message>
        <source>Vietnamese Lunar (%1º%2′ E):</source>
        <translation>베트남 음력 (동경 %1°%2′):</translation>
    </message>
    <message>
        <source>Chinese Lunar (%1º E):</source>
        <translation>중국 음력 (동경 %1°):</translation>
    </message>
    <message>
        <source>Chinese Lunar (%1º%2′ E):</source>
        <translation>중국 음력 (동경 %1°%2′):</translation>
    </message>
    <message>
        <source>Japanese Lunar (%1º E):</source>
        <translation>일본 음력 (동경 %1°):</translation>
    </message>
    <message>
        <source>Japanese Lunar (%1º%2′ E):</source>
        <translation>일본 음력 (동경 %1°%2′):</translation>
    </message>
    <message>
        <source>Korean Lunar (%1º E):</source>
        <translation>한국 음력 (동경 %1°):</translation>
    </message>
    <message>
        <source>Korean Lunar (%1º%2′ E):</source>
        <translation>한국 음력 (동경 %1°%2′):</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save the listed dates as an iCalendar file</source>
        <translation>목록의 날짜를 iCalendar 파일로 저장</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics)</source>
        <translation>iCalendar 파일 (*.ics)</translation>
    </message>
    <message>
        <source>Save image of this calendar month as a PNG file</source>
        <translation>이 달력 그림을 PNG 파일로 저장</translation>
    </message>
    <message>
        <source>PNG graphics file (*.png)</source>
        <translation>PNG 그림 파일 (*.png)</translation>
    </message>
</context>
<context>
    <name>Listings</name>
    <message>
        <source>Dates, times and CJDs of dark moons and solar terms</source>
        <translation>삭과 절기의 날짜, 시각, 역일 율리우스일</translation>
    </message>
    <message>
        <source>Lunar new years &amp; anniversaries</source>
        <translation>설날과 기념일</translation>
    </message>
    <message>
        <source>Lunar month starts &amp; leap months</source>
        <translation>음력 초하루와 윤달</translation>
    </message>
    <message>
        <source>Julian and CE new years</source>
        <translation>율리우스력과 양력의 새해 첫날</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>시험</translation>
    </message>
    <message>
        <source>Save as iCalendar…</source>
        <translation>iCalendar로 저장…</translation>
    </message>
    <message>
        <source>years     Calculating ...</source>
        <translation>년     계산 중…</translation>
    </message>
    <message>
        <source>years     Calculating ... year %1</source>
        <translation>년     계산 중… %1년</translation>
    </message>
    <message>
        <source>years     Calculating ... year -%1</source>
        <translation>년     계산 중… -%1년</translation>
    </message>
    <message>
        <source>Festivals and seasonal days</source>
        <translation>명절과 절기일</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Expanded log entries</source>
        <translation>자세한 기록 항목</translation>
    </message>
    <message>
        <source>Include Chinese terms</source>
        <translation>한자 용어 포함</translation>
    </message>
    <message>
        <source>View log after adding an entry</source>
        <translation>항목 추가 후 기록 보기</translation>
    </message>
    <message>
        <source>ChL (Chinese Lunar Calendar)</source>
        <translation>ChL (중국 음력)</translation>
    </message>
    <message>
        <source>ChS (Chinese Solar Calendar)</source>
        <translation>ChS (중국 절기력)</translation>
    </message>
    <message>
        <source>CJDC (Chronological Julian Date, China)</source>
        <translation>CJDC (역일 율리우스일, 중국)</translation>
    </message>
    <message>
        <source>Epoch, method, longitude</source>
        <translation>기원, 방식, 경도</translation>
    </message>
    <message>
        <source>CE (Common Era Calendar)</source>
        <translation>CE (양력)</translation>
    </message>
    <message>
        <source>JC (Julian Calendar)</source>
        <translation>JC (율리우스력)</translation>
    </message>
    <message>
        <source>CJDL (Chronological Julian Date, London)</source>
        <translation>CJDL (역일 율리우스일, 런던)</translation>
    </message>
    <message>
        <source>AJD (Astronomical Julian Date)</source>
        <translation>AJD (천문 율리우스일)</translation>
    </message>
    <message>
        <source>Phase of Moon and illumination</source>
        <translation>달의 위상과 밝은 부분</translation>
    </message>
    <message>
        <source>Lunation and age of Moon</source>
        <translation>삭망월 번호와 월령</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>잘못됨</translation>
    </message>
    <message>
        <source>Inability</source>
        <translation>할 수 없음</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>범위 밖</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>잘못된 입력</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>찾지 못함</translation>
    </message>
    <message>
        <source>Convert date</source>
        <translation>날짜 변환</translation>
    </message>
    <message>
        <source>Invalid date or time entry</source>
        <translation>날짜나 시각 입력이 잘못되었습니다</translation>
    </message>
    <message>
        <source>Date out of range</source>
        <translation>날짜가 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>Calendar?</source>
        <translation>어느 역법입니까?</translation>
    </message>
    <message>
        <source>Save state</source>
        <translation>상태 저장</translation>
    </message>
    <message>
        <source>Restore state</source>
        <translation>상태 복원</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>그림 저장</translation>
    </message>
    <message>
        <source>Save as iCalendar</source>
        <translation>iCalendar로 저장</translation>
    </message>
    <message>
        <source>Cannot launch web browser</source>
        <translation>웹 브라우저를 열 수 없습니다</translation>
    </message>
    <message>
        <source>Error in listing</source>
        <translation>목록 작성 중 오류</translation>
    </message>
    <message>
        <source>Calendar dates unchanged.</source>
        <translation>역법 날짜가 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>No date specified.</source>
        <translation>날짜를 입력하지 않았습니다.</translation>
    </message>
    <message>
        <source>Calendar must be specified (one of CHL, CHS, CE, JC, VMC, CJDL, CJDC, AJD).</source>
        <translation>역법을 지정해야 합니다 (CHL, CHS, CE, JC, VMC, CJDL, CJDC, AJD 중 하나).</translation>
    </message>
    <message>
        <source>Time specification not permitted in date string.</source>
        <translation>날짜에 시각을 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>Invalid time specification.  Times must be, e.g., %1:%2.</source>
        <translation>시각이 잘못되었습니다. 시각은 %1:%2처럼 씁니다.</translation>
    </message>
    <message>
        <source>Date separator must be a dash, &apos;-&apos;.</source>
        <translation>날짜 구분 기호는 하이픈 &apos;-&apos;이어야 합니다.</translation>
    </message>
    <message>
        <source>Invalid CE date.  CE dates must be in ISO %1 format: year-month-day</source>
        <translation>CE 날짜가 잘못되었습니다. CE 날짜는 ISO %1 형식(년-월-일)으로 씁니다</translation>
    </message>
    <message>
        <source>Invalid JC date.  JC dates must be in ISO %1 format: year-month-day</source>
        <translation>JC 날짜가 잘못되었습니다. JC 날짜는 ISO %1 형식(년-월-일)으로 씁니다</translation>
    </message>
    <message>
        <source>Invalid VMC date.  VMC dates must be in ISO %1 format: year-month-day</source>
        <translation>VMC 날짜가 잘못되었습니다. VMC 날짜는 ISO %1 형식(년-월-일)으로 씁니다</translation>
    </message>
    <message>
        <source>Invalid CHL date.  CHL dates must be in the form &apos;cycle-position-month[*]-day&apos;</source>
        <translation>CHL 날짜가 잘못되었습니다. CHL 날짜는 &apos;주기-위치-월[*]-일&apos; 형식으로 씁니다</translation>
    </message>
    <message>
        <source>Invalid CHL date.  CHL dates must be in the form &apos;cycle-position-month[*]-day&apos;.</source>
        <translation>CHL 날짜가 잘못되었습니다. CHL 날짜는 &apos;주기-위치-월[*]-일&apos; 형식으로 씁니다.</translation>
    </message>
    <message>
        <source>or &apos;year-month-day&apos;, where &apos;year&apos; is the Overseas Chinese year, e.g. %1.</source>
        <translation>또는 &apos;년-월-일&apos;로 쓰며, &apos;년&apos;은 황제 기년입니다 (예: %1).</translation>
    </message>
    <message>
        <source>Or use &apos;?&apos; for position with a specified element-animal, e.g., %1-?-%2-%3,</source>
        <translation>위치 대신 &apos;?&apos;를 쓰고 오행과 띠를 지정할 수도 있습니다 (예: %1-?-%2-%3).</translation>
    </message>
    <message>
        <source>and specify element-animal using the drop-down boxes.</source>
        <translation>오행과 띠는 드롭다운 목록에서 고릅니다.</translation>
    </message>
    <message>
        <source>Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day</source>
        <translation>CHS 날짜가 잘못되었습니다. CHS 날짜는 주기-위치-절기-일 형식으로 씁니다</translation>
    </message>
    <message>
        <source>Invalid CJDL, CJDC, or AJD date.  These must be, e.g., %1.%2 CJDL or %3,%4,%5 AJD.</source>
        <translation>CJDL, CJDC, AJD 날짜가 잘못되었습니다. %1.%2 CJDL이나 %3,%4,%5 AJD처럼 씁니다.</translation>
    </message>
    <message>
        <source>Error when parsing date string.</source>
        <translation>날짜를 읽는 중 오류가 났습니다.</translation>
    </message>
    <message>
        <source>Invalid CHL date.  Day number exceeds number of days in the month.</source>
        <translation>CHL 날짜가 잘못되었습니다. 일이 그 달의 날수보다 큽니다.</translation>
    </message>
    <message>
        <source>Invalid plus/minus days.</source>
        <translation>더하거나 뺄 날수가 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Date too early.</source>
        <translation>날짜가 너무 이릅니다.</translation>
    </message>
    <message>
        <source>Date is earlier than -%1-%2-%3 CE.</source>
        <translation>날짜가 -%1-%2-%3 CE보다 이릅니다.</translation>
    </message>
    <message>
        <source>Date is later than %1-%2-%3 CE.</source>
        <translation>날짜가 %1-%2-%3 CE보다 늦습니다.</translation>
    </message>
    <message>
        <source>Earliest admissible date reached.</source>
        <translation>다룰 수 있는 가장 이른 날짜에 이르렀습니다.</translation>
    </message>
    <message>
        <source>Latest admissible date reached.</source>
        <translation>다룰 수 있는 가장 늦은 날짜에 이르렀습니다.</translation>
    </message>
    <message>
        <source>Earliest date exceeded.</source>
        <translation>가장 이른 날짜를 넘었습니다.</translation>
    </message>
    <message>
        <source>Latest date exceeded.</source>
        <translation>가장 늦은 날짜를 넘었습니다.</translation>
    </message>
    <message>
        <source>Earliest date reached.</source>
        <translation>가장 이른 날짜에 이르렀습니다.</translation>
    </message>
    <message>
        <source>Latest date reached.</source>
        <translation>가장 늦은 날짜에 이르렀습니다.</translation>
    </message>
    <message>
        <source>Unable to add a lunar month.</source>
        <translation>음력 한 달을 더할 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to subtract a lunar month.</source>
        <translation>음력 한 달을 뺄 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to add a lunar year.</source>
        <translation>음력 한 해를 더할 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to subtract a lunar year.</source>
        <translation>음력 한 해를 뺄 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to add a %1-year cycle (CHL).</source>
        <translation>%1년 주기(CHL)를 더할 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to subtract a %1-year cycle (CHL).</source>
        <translation>%1년 주기(CHL)를 뺄 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to add a solar term.</source>
        <translation>절기 하나를 더할 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to subtract a solar term.</source>
        <translation>절기 하나를 뺄 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to add a solar year.</source>
        <translation>절기년 한 해를 더할 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to subtract a solar year.</source>
        <translation>절기년 한 해를 뺄 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to add a %1-year cycle (CHS).</source>
        <translation>%1년 주기(CHS)를 더할 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to subtract a %1-year cycle (CHS).</source>
        <translation>%1년 주기(CHS)를 뺄 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to add a intercalary month.</source>
        <translation>다음 윤달을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to subtract a intercalary month.</source>
        <translation>이전 윤달을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Lunar date is invalid.</source>
        <translation>음력 날짜가 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Solar date is invalid.</source>
        <translation>절기력 날짜가 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Invalid lunar date results.</source>
        <translation>결과로 나온 음력 날짜가 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Invalid lunar date results</source>
        <translation>결과로 나온 음력 날짜가 잘못되었습니다</translation>
    </message>
    <message>
        <source>Invalid solar date results.</source>
        <translation>결과로 나온 절기력 날짜가 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Invalid solar date results</source>
        <translation>결과로 나온 절기력 날짜가 잘못되었습니다</translation>
    </message>
    <message>
        <source>No solar term found in the table of the current year.</source>
        <translation>올해의 표에서 절기를 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>You must specify an element, an animal or both.</source>
        <translation>오행이나 띠, 또는 둘 다 지정하십시오.</translation>
    </message>
    <message>
        <source>Cannot find required dark moon.</source>
        <translation>필요한 삭을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Cannot find a triple coincidence day.</source>
        <translation>삼중 일치일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Error %1 in search process when converting lunar date to JDN.</source>
        <translation>찾는 중 음력 날짜를 율리우스 일수로 바꾸다가 오류 %1이 났습니다.</translation>
    </message>
    <message>
        <source>You must specify an element or an animal or both</source>
        <translation>일, 월, 년 가운데 하나 이상에 대해</translation>
    </message>
    <message>
        <source>for one or more of: day, month and year</source>
        <translation>오행이나 띠, 또는 둘 다 지정하십시오</translation>
    </message>
    <message>
        <source>There is no such day within %1 year.</source>
        <translation>%1년 안에 그런 날이 없습니다.</translation>
    </message>
    <message>
        <source>There is no such day within %1 years.</source>
        <translation>%1년 안에 그런 날이 없습니다.</translation>
    </message>
    <message>
        <source>There is no such day within %1 year of today.</source>
        <translation>오늘부터 %1년 안에 그런 날이 없습니다.</translation>
    </message>
    <message>
        <source>There is no such day within %1 years of today.</source>
        <translation>오늘부터 %1년 안에 그런 날이 없습니다.</translation>
    </message>
    <message>
        <source>There is no such day before %1-%2-%3 CE, the latest admitted date.</source>
        <translation>다룰 수 있는 가장 늦은 날짜인 %1-%2-%3 CE까지 그런 날이 없습니다.</translation>
    </message>
    <message>
        <source>There is no such day after -%1-%2-%3 CE, the earliest admitted date.</source>
        <translation>다룰 수 있는 가장 이른 날짜인 -%1-%2-%3 CE 이후로 그런 날이 없습니다.</translation>
    </message>
    <message>
        <source>Restore previous log configuration also?</source>
        <translation>이전의 기록 설정도 복원할까요?</translation>
    </message>
    <message>
        <source>The list holds no dates to save.</source>
        <translation>목록에 저장할 날짜가 없습니다.</translation>
    </message>
    <message>
        <source>The iCalendar file could not be written.</source>
        <translation>iCalendar 파일을 쓸 수 없었습니다.</translation>
    </message>
    <message>
        <source>The dates have been saved in the iCalendar file (%1 event):</source>
        <translation>날짜를 iCalendar 파일에 저장했습니다 (일정 %1개):</translation>
    </message>
    <message>
        <source>The dates have been saved in the iCalendar file (%1 events):</source>
        <translation>날짜를 iCalendar 파일에 저장했습니다 (일정 %1개):</translation>
    </message>
    <message>
        <source>%1 date left out: an iCalendar file holds the years %2 to %3.</source>
        <translation>날짜 %1개를 뺐습니다: iCalendar 파일에는 %2년부터 %3년까지만 들어갑니다.</translation>
    </message>
    <message>
        <source>%1 dates left out: an iCalendar file holds the years %2 to %3.</source>
        <translation>날짜 %1개를 뺐습니다: iCalendar 파일에는 %2년부터 %3년까지만 들어갑니다.</translation>
    </message>
    <message>
        <source>The image has been saved in the PNG file</source>
        <translation>그림을 PNG 파일에 저장했습니다</translation>
    </message>
    <message>
        <source>Save error.  The image has been saved instead in the BMP file</source>
        <translation>저장 오류. 대신 BMP 파일에 그림을 저장했습니다</translation>
    </message>
    <message>
        <source>Error when attempting to save image.  Please try again.</source>
        <translation>그림을 저장하는 중 오류가 났습니다. 다시 해 보십시오.</translation>
    </message>
    <message>
        <source>Error launching web browser, error code = %1.</source>
        <translation>웹 브라우저를 여는 중 오류가 났습니다. 오류 코드 = %1.</translation>
    </message>
    <message>
        <source>No program to open web pages was found.</source>
        <translation>웹 페이지를 열 프로그램을 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>No program to open this file was found.</source>
        <translation>이 파일을 열 프로그램을 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>한 번 더 해 보십시오.</translation>
    </message>
    <message>
        <source>Is this a CE Calendar date?</source>
        <translation>이것은 CE 날짜입니까?</translation>
    </message>
    <message>
        <source>Is this a JC Calendar date?</source>
        <translation>이것은 JC 날짜입니까?</translation>
    </message>
    <message>
        <source>Is this a CHL Calendar date?</source>
        <translation>이것은 CHL 날짜입니까?</translation>
    </message>
    <message>
        <source>Is this a CHS Calendar date?</source>
        <translation>이것은 CHS 날짜입니까?</translation>
    </message>
    <message>
        <source>Is this a AJD Calendar date?</source>
        <translation>이것은 AJD 날짜입니까?</translation>
    </message>
    <message>
        <source>Is this a CJDC Calendar date?</source>
        <translation>이것은 CJDC 날짜입니까?</translation>
    </message>
    <message>
        <source>Is this a CJDL Calendar date?</source>
        <translation>이것은 CJDL 날짜입니까?</translation>
    </message>
    <message>
        <source>Is this a VMC Calendar date?</source>
        <translation>이것은 VMC 날짜입니까?</translation>
    </message>
    <message>
        <source>Cannot find the festival or seasonal day.</source>
        <translation>그 명절이나 절기일을 찾을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>MonthView</name>
    <message>
        <source>Lunaday</source>
        <translation>보름 칸</translation>
    </message>
    <message>
        <source>One quarter of the lunar month in each row</source>
        <translation>한 줄에 음력 한 달의 4분의 1</translation>
    </message>
    <message>
        <source>computed for %1º E (the almanac of %2)</source>
        <translation>동경 %1° 기준으로 계산(%2년 역서)</translation>
    </message>
    <message>
        <source>computed for %1º%2′ E (the almanac of %3)</source>
        <translation>동경 %1°%2′ 기준으로 계산(%3년 역서)</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E) had no such month</source>
        <translation>%1년 역서(동경 %2°)에는 이 달이 없음</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E) had no such month</source>
        <translation>%1년 역서(동경 %2°%3′)에는 이 달이 없음</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E): %3 days from %4-%5-%6 CE</source>
        <translation>%1년 역서(동경 %2°): 서기 %4-%5-%6부터 %3일</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E): %4 days from %5-%6-%7 CE</source>
        <translation>%1년 역서(동경 %2°%3′): 서기 %5-%6-%7부터 %4일</translation>
    </message>
    <message>
        <source>modern rule: the almanac of the time may differ</source>
        <translation>현대 규칙으로 계산, 당시 역서와 다를 수 있음</translation>
    </message>
    <message>
        <source>computed for %1º E (the almanac of %2); modern rule: the almanac of the time may differ</source>
        <translation>동경 %1° 기준으로 계산(%2년 역서); 현대 규칙으로 계산, 당시 역서와 다를 수 있음</translation>
    </message>
    <message>
        <source>computed for %1º%2′ E (the almanac of %3); modern rule: the almanac of the time may differ</source>
        <translation>동경 %1°%2′ 기준으로 계산(%3년 역서); 현대 규칙으로 계산, 당시 역서와 다를 수 있음</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E) had no such month; modern rule: the almanac of the time may differ</source>
        <translation>%1년 역서(동경 %2°)에는 이 달이 없음; 현대 규칙으로 계산, 당시 역서와 다를 수 있음</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E) had no such month; modern rule: the almanac of the time may differ</source>
        <translation>%1년 역서(동경 %2°%3′)에는 이 달이 없음; 현대 규칙으로 계산, 당시 역서와 다를 수 있음</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E): %3 days from %4-%5-%6 CE; modern rule: the almanac of the time may differ</source>
        <translation>%1년 역서(동경 %2°): 서기 %4-%5-%6부터 %3일; 현대 규칙으로 계산, 당시 역서와 다를 수 있음</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E): %4 days from %5-%6-%7 CE; modern rule: the almanac of the time may differ</source>
        <translation>%1년 역서(동경 %2°%3′): 서기 %5-%6-%7부터 %4일; 현대 규칙으로 계산, 당시 역서와 다를 수 있음</translation>
    </message>
</context>
<context>
    <name>NativeNames</name>
    <message>
        <source>%1-%2</source>
        <comment>an element and an animal: wood-rat</comment>
        <translation>%1·%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the two stems of an element</comment>
        <translation>%1 또는 %2</translation>
    </message>
    <message>
        <source>%1 (%2) day</source>
        <translation>%1(%2)일</translation>
    </message>
    <message>
        <source>%1 (%2) month</source>
        <translation>%1(%2)월</translation>
    </message>
    <message>
        <source>%1 (%2) year</source>
        <translation>%1(%2)년</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Copy selected text to clipboard</source>
        <translation>선택한 글을 클립보드에 복사</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>클립보드에 복사</translation>
    </message>
    <message>
        <source>years</source>
        <translation>년</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Error in listing</source>
        <translation>목록 작성 중 오류</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>within %1 year</source>
        <translation>%1년 안</translation>
    </message>
    <message>
        <source>within %1 years</source>
        <translation>%1년 안</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>Vietnam</source>
        <translation>베트남</translation>
    </message>
    <message>
        <source>China</source>
        <translation>중국</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>일본</translation>
    </message>
    <message>
        <source>-%1 = %2 BC</source>
        <translation>-%1 = 기원전 %2년</translation>
    </message>
    <message>
        <source>true sun</source>
        <translation>정기</translation>
    </message>
    <message>
        <source>mean sun</source>
        <translation>평기</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>분</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>day</source>
        <translation>일</translation>
    </message>
    <message>
        <source>CE month</source>
        <translation>양력 달</translation>
    </message>
    <message>
        <source>CE year</source>
        <translation>양력 해</translation>
    </message>
    <message>
        <source>CE century</source>
        <translation>양력 세기</translation>
    </message>
    <message>
        <source>CHL month</source>
        <translation>음력 달</translation>
    </message>
    <message>
        <source>CHL year</source>
        <translation>음력 해</translation>
    </message>
    <message>
        <source>60-year cycle (CHL)</source>
        <translation>60년 주기 (음력)</translation>
    </message>
    <message>
        <source>CHS solar term</source>
        <translation>절기</translation>
    </message>
    <message>
        <source>CHS year</source>
        <translation>절기년</translation>
    </message>
    <message>
        <source>60-year cycle (CHS)</source>
        <translation>60년 주기 (절기력)</translation>
    </message>
    <message>
        <source>60-day cycle</source>
        <translation>60일 주기</translation>
    </message>
    <message>
        <source>80-year cycle (JC)</source>
        <translation>80년 주기 (율리우스력)</translation>
    </message>
    <message>
        <source>VMC month (ICT)</source>
        <translation>VMC 달 (ICT)</translation>
    </message>
    <message>
        <source>VMC year (ICT)</source>
        <translation>VMC 해 (ICT)</translation>
    </message>
    <message>
        <source>VMC month (CCT)</source>
        <translation>VMC 달 (CCT)</translation>
    </message>
    <message>
        <source>VMC year (CCT)</source>
        <translation>VMC 해 (CCT)</translation>
    </message>
    <message>
        <source>VMC month (JST)</source>
        <translation>VMC 달 (JST)</translation>
    </message>
    <message>
        <source>VMC year (JST)</source>
        <translation>VMC 해 (JST)</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>망 (보름달)</translation>
    </message>
    <message>
        <source>Dark moon</source>
        <translation>삭 (신월)</translation>
    </message>
    <message>
        <source>Lunar quarter</source>
        <translation>상현·하현</translation>
    </message>
    <message>
        <source>Lunar new year</source>
        <translation>설날</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>동지</translation>
    </message>
    <message>
        <source>Vernal equinox</source>
        <translation>춘분</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>하지</translation>
    </message>
    <message>
        <source>Autumnal equinox</source>
        <translation>추분</translation>
    </message>
    <message>
        <source>Solstice or equinox</source>
        <translation>이지이분</translation>
    </message>
    <message>
        <source>Solar term</source>
        <translation>절기</translation>
    </message>
    <message>
        <source>Solar term + dark moon</source>
        <translation>절기 + 삭</translation>
    </message>
    <message>
        <source>Solar term + full moon</source>
        <translation>절기 + 망</translation>
    </message>
    <message>
        <source>Winter solstice + dark moon</source>
        <translation>동지 + 삭</translation>
    </message>
    <message>
        <source>Solstice/equinox + dark moon</source>
        <translation>이지이분 + 삭</translation>
    </message>
    <message>
        <source>Solstice/equinox + full moon</source>
        <translation>이지이분 + 망</translation>
    </message>
    <message>
        <source>Element-animal day</source>
        <translation>오행·띠의 날</translation>
    </message>
    <message>
        <source>Element-animal month</source>
        <translation>오행·띠의 달</translation>
    </message>
    <message>
        <source>Element-animal year</source>
        <translation>오행·띠의 해</translation>
    </message>
    <message>
        <source>Triple coincidence day</source>
        <translation>삼중 일치일</translation>
    </message>
    <message>
        <source>Same element-animal day and month</source>
        <translation>날과 달의 오행·띠가 같은 날</translation>
    </message>
    <message>
        <source>Multiple element-animal day</source>
        <translation>여러 조건의 오행·띠 날</translation>
    </message>
    <message>
        <source>Intercalary month</source>
        <translation>윤달</translation>
    </message>
    <message>
        <source>Korea</source>
        <translation>한국</translation>
    </message>
    <message>
        <source>VMC month (KST)</source>
        <translation>VMC 달 (KST)</translation>
    </message>
    <message>
        <source>VMC year (KST)</source>
        <translation>VMC 해 (KST)</translation>
    </message>
    <message>
        <source>Festival or seasonal day</source>
        <translation>명절·절기일</translation>
    </message>
</context>
<context>
    <name>WindowLanguage</name>
    <message>
        <source>en</source>
        <extracomment>The tag of this translation&apos;s language, exactly one of: zh-Hans zh-Hant vi ja ko. The windows name the calendar&apos;s stems, branches, elements and animals in it.</extracomment>
        <translation>ko</translation>
    </message>
</context>
<context>
    <name>mirvo::CommandPanel</name>
    <message>
        <source>Show lunar calendar month</source>
        <translation>음력 달력 보기</translation>
    </message>
    <message>
        <source>Dark moons &amp;&amp; solar terms</source>
        <translation>삭과 절기</translation>
    </message>
    <message>
        <source>Lunar new years</source>
        <translation>설날</translation>
    </message>
    <message>
        <source>Month starts / leap months</source>
        <translation>초하루 / 윤달</translation>
    </message>
    <message>
        <source>European new years</source>
        <translation>양력 새해</translation>
    </message>
    <message>
        <source>Add to log</source>
        <translation>기록에 추가</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>기록 보기</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>기록 지우기</translation>
    </message>
    <message>
        <source>Configure log</source>
        <translation>기록 설정</translation>
    </message>
    <message>
        <source>Save state</source>
        <translation>상태 저장</translation>
    </message>
    <message>
        <source>Restore state</source>
        <translation>상태 복원</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Brisvale software</source>
        <extracomment>The maker&apos;s programs; Brisvale is its name.</extracomment>
        <translation>Brisvale 소프트웨어</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>시험</translation>
    </message>
    <message>
        <source>Compare suns</source>
        <translation>태양 비교</translation>
    </message>
    <message>
        <source>Dates/times/CJDs of dark moons &amp; solar terms</source>
        <translation>삭과 절기의 날짜, 시각, 역일 율리우스일</translation>
    </message>
    <message>
        <source>Online documentation</source>
        <translation>온라인 문서</translation>
    </message>
    <message>
        <source>Open the project page %1</source>
        <translation>프로젝트 페이지 %1 열기</translation>
    </message>
    <message>
        <source>Open the user manual that came with the program (in English)</source>
        <translation>프로그램과 함께 온 사용 설명서(영어) 열기</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>명절</translation>
    </message>
</context>
<context>
    <name>mirvo::ConvertPanel</name>
    <message>
        <source>Convert</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시각</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>시간대</translation>
    </message>
    <message>
        <source>e.g. 2024-02-10 CE, 79-41-1-1 CHL, 4722-1-1 CHL</source>
        <extracomment>Examples of dates typed with their calendar&apos;s code; the codes stay as they are.</extracomment>
        <translation>예: 2024-02-10 CE, 79-41-1-1 CHL, 4722-1-1 CHL</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <extracomment>Hours and minutes.</extracomment>
        <translation>시:분</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>더하기</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>빼기</translation>
    </message>
    <message>
        <source>days</source>
        <translation>일</translation>
    </message>
    <message>
        <source>element</source>
        <translation>오행</translation>
    </message>
    <message>
        <source>animal</source>
        <translation>띠</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>지금</translation>
    </message>
</context>
<context>
    <name>mirvo::LogPanel</name>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>기록 보기</translation>
    </message>
    <message>
        <source>Log is empty</source>
        <translation>기록이 비어 있습니다</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>기록 지우기</translation>
    </message>
    <message>
        <source>Erase all data in the log?</source>
        <translation>기록의 내용을 모두 지울까요?</translation>
    </message>
</context>
<context>
    <name>mirvo::MoonNamesPanel</name>
    <message>
        <source>%1 year (%2)</source>
        <extracomment>The names panel: %1 the stems and branches (甲辰), %2 the element and animal.</extracomment>
        <translation>%1년 (%2)</translation>
    </message>
    <message>
        <source>%1 month (%2)</source>
        <translation>%1월 (%2)</translation>
    </message>
    <message>
        <source>%1 day (%2)</source>
        <translation>%1일 (%2)</translation>
    </message>
</context>
<context>
    <name>mirvo::MovePanel</name>
    <message>
        <source>Move</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>미래로</translation>
    </message>
    <message>
        <source>back</source>
        <translation>과거로</translation>
    </message>
    <message>
        <source>repeatedly</source>
        <translation>반복</translation>
    </message>
    <message>
        <source>one day</source>
        <translation>하루</translation>
    </message>
    <message>
        <source>keep 30th</source>
        <translation>30일 유지</translation>
    </message>
    <message>
        <source>keep leap</source>
        <translation>윤달 유지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>Refresh period (in seconds):</source>
        <translation>갱신 간격(초):</translation>
    </message>
</context>
<context>
    <name>mirvo::SearchPanel</name>
    <message>
        <source>Search</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>previous</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>찾는 중</translation>
    </message>
</context>
<context>
    <name>mirvo::SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>나라</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>경도</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>기원</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>방식</translation>
    </message>
    <message>
        <source>º E</source>
        <extracomment>After the longitude: degrees east of Greenwich.</extracomment>
        <translation>°E</translation>
    </message>
    <message>
        <source>The zone label of the reference meridian</source>
        <translation>기준 자오선의 시간대 약호</translation>
    </message>
    <message>
        <source>Show Vellomir Calendar</source>
        <translation>벨로미르력 표시</translation>
    </message>
    <message>
        <source>Show chronological JDs</source>
        <translation>역일 율리우스일 표시</translation>
    </message>
    <message>
        <source>Auto log</source>
        <translation>자동 기록</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the language of the windows follows the system&apos;s locale</comment>
        <translation>시스템 설정</translation>
    </message>
    <message>
        <source>The language of the windows; System follows the locale (English where the program has no translation)</source>
        <translation>창의 언어. &quot;시스템 설정&quot;은 로캘을 따릅니다 (번역이 없으면 영어)</translation>
    </message>
    <message>
        <source>Follow the calendar&apos;s history</source>
        <translation>역법의 연혁 따르기</translation>
    </message>
    <message>
        <source>Compute each lunar year for the meridian of its country&apos;s almanac of the time (China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911)</source>
        <translation>각 음력 해를 그 나라의 당시 역서가 쓴 자오선으로 계산합니다(중국 1928년까지 동경 116°25′, 베트남 1967년까지 동경 120°, 한국 1911년까지 동경 120°)</translation>
    </message>
</context>
<context>
    <name>mirvo::frmBVsoftware</name>
    <message>
        <source>A calendar converter and almanac for the Chinese lunisolar calendar and its Vietnamese and Japanese variants: one instant shown in the Common Era and Julian calendars, the Chinese lunar and solar calendars, the Vellomir Calendar and the Julian day counts, with the element-animal names of the year, month and day, the phase and age of the Moon and Delta T.</source>
        <translation>중국 태음태양력과 그 베트남·일본 변형을 위한 역법 변환·책력 프로그램입니다. 한 시각을 양력, 율리우스력, 중국 음력과 절기력, 벨로미르력, 율리우스 일수로 한꺼번에 보여 주고, 해·달·날의 오행과 띠, 달의 위상과 월령, ΔT도 보여 줍니다.</translation>
    </message>
    <message>
        <source>Brisvale Systems software</source>
        <extracomment>Brisvale Systems is the maker&apos;s name.</extracomment>
        <translation>Brisvale Systems 소프트웨어</translation>
    </message>
    <message>
        <source>Open page</source>
        <translation>페이지 열기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>mirvo::frmCalendar</name>
    <message>
        <source>Show previous month</source>
        <translation>이전 달 보기</translation>
    </message>
    <message>
        <source>Show next month</source>
        <translation>다음 달 보기</translation>
    </message>
    <message>
        <source>Save as PNG image</source>
        <translation>PNG 그림으로 저장</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>%1 of the %2 year (%3), position %4 of cycle %5 (year %6)</source>
        <extracomment>%1 the lunar month, %2 the year&apos;s stems and branches, %3 its element and animal, %4 the year&apos;s place in the 60-year cycle, %5 the cycle&apos;s number, %6 the year counted from the epoch.</extracomment>
        <translation>%2년 (%3) 음력 %1  제%5주기 %4번째 해 (황제 기년 %6년)</translation>
    </message>
    <message>
        <source>Common Era year %1 (%2) - %3 (%4)</source>
        <extracomment>The Common Era years and months of the lunar month: 2033 (December) - 2034 (January).</extracomment>
        <translation>양력 %1년 %2 ~ %3년 %4</translation>
    </message>
    <message>
        <source>Common Era year %1, month of %2</source>
        <translation>양력 %1년 %2</translation>
    </message>
    <message>
        <source>Common Era year %1 (%2-%3)</source>
        <translation>양력 %1년 %2~%3</translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <extracomment>A cell&apos;s Common Era date: %1 the weekday&apos;s short name, %2 the month&apos;s number, %3 the day.</extracomment>
        <translation>%2월 %3일 (%1)</translation>
    </message>
    <message>
        <source>Uncertain</source>
        <translation>불확실</translation>
    </message>
</context>
<context>
    <name>mirvo::frmCredits</name>
    <message>
        <source>Credits</source>
        <translation>참고 자료</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mirvo&lt;/b&gt; rests on published work:</source>
        <translation>&lt;b&gt;Mirvo&lt;/b&gt;는 다음의 발표된 연구에 바탕을 둡니다:</translation>
    </message>
    <message>
        <source>the Moon from the ELP/MPP02 lunar theory of J. Chapront and G. Francou;</source>
        <translation>달: J. Chapront와 G. Francou의 달 이론 ELP/MPP02</translation>
    </message>
    <message>
        <source>the Sun from the VSOP87 planetary theory of P. Bretagnon and G. Francou;</source>
        <translation>태양: P. Bretagnon과 G. Francou의 행성 이론 VSOP87</translation>
    </message>
    <message>
        <source>Delta T from the Earth-orientation observations of the IERS (1962 on) and the long-term record of L. V. Morrison, F. R. Stephenson, C. Y. Hohenkerk and M. Zawilski (2021) before;</source>
        <translation>ΔT: 1962년부터는 IERS의 지구 자전 관측, 그 이전은 L. V. Morrison, F. R. Stephenson, C. Y. Hohenkerk, M. Zawilski(2021)의 장기 기록</translation>
    </message>
    <message>
        <source>the rules of the Chinese calendar as set out by Helmer Aslaksen, &lt;i&gt;The Mathematics of the Chinese Calendar&lt;/i&gt;;</source>
        <translation>중국 역법의 규칙: Helmer Aslaksen, &lt;i&gt;The Mathematics of the Chinese Calendar&lt;/i&gt;</translation>
    </message>
    <message>
        <source>day counts and calendar arithmetic after J. Meeus, &lt;i&gt;Astronomical Algorithms&lt;/i&gt;.</source>
        <translation>날수와 역법 계산: J. Meeus, &lt;i&gt;Astronomical Algorithms&lt;/i&gt;</translation>
    </message>
    <message>
        <source>The stem and branch characters are written in the WenQuanYi Micro Hei font.</source>
        <translation>간지 글자는 WenQuanYi Micro Hei 글꼴로 씁니다.</translation>
    </message>
    <message>
        <source>The windows&apos; Chinese, Japanese and Korean texts are written in the Noto Sans CJK fonts.</source>
        <translation>창의 중국어, 일본어, 한국어는 Noto Sans CJK 글꼴로 씁니다.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>mirvo::frmData</name>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
</context>
<context>
    <name>mirvo::frmHelp</name>
    <message>
        <source>Mirvo: calendar converter</source>
        <translation>Mirvo: 역법 변환</translation>
    </message>
    <message>
        <source>The main window keeps one &lt;b&gt;current instant&lt;/b&gt; and shows it at once in every reckoning. Type a date in any of them, press &lt;b&gt;Convert&lt;/b&gt; (or Enter), and every row follows. &lt;b&gt;Now&lt;/b&gt; returns to the present moment; &lt;b&gt;Move&lt;/b&gt; steps the instant, &lt;b&gt;Search for&lt;/b&gt; finds events, and the buttons on the right open the listings, the lunar calendar month and the log. The user manual (the link &quot;Online documentation&quot;) tells all of it in detail.</source>
        <translation>주 창은 하나의 &lt;b&gt;현재 시각&lt;/b&gt;을 두고 그것을 모든 역법으로 한꺼번에 보여 줍니다. 어느 역법으로든 날짜를 입력하고 &lt;b&gt;변환&lt;/b&gt;(또는 Enter)을 누르면 모든 줄이 따라 바뀝니다. &lt;b&gt;지금&lt;/b&gt;은 이 순간으로 돌아가고, &lt;b&gt;이동&lt;/b&gt;은 시각을 한 단계씩 옮기며, &lt;b&gt;찾기&lt;/b&gt;는 천문 현상과 날을 찾습니다. 오른쪽 단추들은 목록, 음력 달력, 기록을 엽니다. 자세한 내용은 사용 설명서(링크 &quot;온라인 문서&quot;)에 있습니다.</translation>
    </message>
    <message>
        <source>The user manual is written in English.</source>
        <extracomment>Said only in the translated help: the manual has no translation.</extracomment>
        <translation>사용 설명서는 영어로 되어 있습니다.</translation>
    </message>
    <message>
        <source>The reckonings</source>
        <translation>역법</translation>
    </message>
    <message>
        <source>&lt;b&gt;CE&lt;/b&gt;: the Common Era (Gregorian) calendar, also before 1582. Years are astronomical: the year before 1 is 0, and 44 BC is -43.</source>
        <translation>&lt;b&gt;CE&lt;/b&gt;: 양력(그레고리력). 1582년 이전에도 적용합니다. 연도는 천문학식으로, 1년의 전해는 0년이고 기원전 44년은 -43년입니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;JC&lt;/b&gt;: the Julian Calendar, with the same year numbers.</source>
        <translation>&lt;b&gt;JC&lt;/b&gt;: 율리우스력. 연도 번호는 같습니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;CHL&lt;/b&gt;: the Chinese lunar calendar. A date is written &lt;i&gt;cycle-position-month-day&lt;/i&gt;: the 60-year cycle (cycle 1 began in 2697 BC, or 2637 BC with the other epoch), the year&apos;s place 1 to 60 in it, the month (a &lt;b&gt;*&lt;/b&gt; marks a leap month) and the day 1 to 30. A month begins on the civil day, at the reference meridian, of a dark moon; the month holding the winter solstice is month 11; a year of 13 months repeats the first month that holds no major solar term.</source>
        <translation>&lt;b&gt;CHL&lt;/b&gt;: 중국 음력. 날짜는 &lt;i&gt;주기-위치-월-일&lt;/i&gt;로 씁니다. 60년 주기의 번호(제1주기는 기원전 2697년, 다른 기원으로는 기원전 2637년에 시작), 주기 안에서 해의 위치 1~60, 달(&lt;b&gt;*&lt;/b&gt;은 윤달), 날 1~30입니다. 달은 기준 자오선에서 삭이 드는 날에 시작하고, 동지가 든 달이 11월입니다. 열세 달인 해에는 중기가 없는 첫 달이 윤달이 됩니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;CHS&lt;/b&gt;: the Chinese solar calendar: &lt;i&gt;cycle-position-solarterm-day&lt;/i&gt;. The 24 solar terms are the 15° steps of the Sun&apos;s apparent longitude; the solar year begins at the winter solstice (term 1). On the first day of a term the row shows the term&apos;s code in parentheses.</source>
        <translation>&lt;b&gt;CHS&lt;/b&gt;: 중국 절기력. &lt;i&gt;주기-위치-절기-일&lt;/i&gt;로 씁니다. 24절기는 태양 시황경의 15° 간격이며, 절기년은 동지(제1절기)에 시작합니다. 절기의 첫날에는 그 줄에 절기 기호가 괄호 안에 나옵니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;VMC&lt;/b&gt;: the Vellomir Calendar, an arithmetic lunisolar calendar, shown for Greenwich and for the reference meridian. The small note under it tells how its month and day compare with the lunar date.</source>
        <translation>&lt;b&gt;VMC&lt;/b&gt;: 벨로미르력. 계산 규칙으로 정하는 태음태양력으로, 그리니치와 기준 자오선에 대해 보여 줍니다. 아래의 작은 글은 그 월일을 음력 날짜와 비교한 것입니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;CJDL&lt;/b&gt;, &lt;b&gt;CJDC&lt;/b&gt;: chronological Julian dates, the civil days counted at London and at the reference meridian (shown when &quot;Show chronological JDs&quot; is ticked). &lt;b&gt;AJD&lt;/b&gt;: the astronomical Julian date, counted from noon Universal Time.</source>
        <translation>&lt;b&gt;CJDL&lt;/b&gt;, &lt;b&gt;CJDC&lt;/b&gt;: 역일 율리우스일. 런던과 기준 자오선에서 센 날입니다(&quot;역일 율리우스일 표시&quot;를 선택하면 나타남). &lt;b&gt;AJD&lt;/b&gt;: 천문 율리우스일. 세계시 정오부터 셉니다.</translation>
    </message>
    <message>
        <source>Beside the dates the window names the element and animal of the year, the lunar month and the day, shows the Moon&apos;s phase, illumination and age, and Delta T (the difference between the uniform time of the ephemeris and the time kept by the Earth&apos;s rotation). For China the year and the day are also shown as their written stem and branch.</source>
        <translation>날짜 옆에는 해, 음력 달, 날의 오행과 띠, 달의 위상·밝은 부분·월령, ΔT(천체력의 균일한 시간과 지구 자전에 따른 시간의 차)를 보여 줍니다. 나라가 중국이면 해와 날을 간지 글자로도 보여 줍니다.</translation>
    </message>
    <message>
        <source>Typing a date</source>
        <translation>날짜 입력</translation>
    </message>
    <message>
        <source>End the date with the code of its calendar; case and spaces do not matter, and &quot;,&quot; may group thousands. Examples:</source>
        <translation>날짜 뒤에 역법 기호를 씁니다. 대소문자와 빈칸은 상관없고, &quot;,&quot;로 천 단위를 나눌 수 있습니다. 예:</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>역법</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>예</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>년-월-일</translation>
    </message>
    <message>
        <source>cycle-position-month[*]-day</source>
        <translation>주기-위치-월[*]-일</translation>
    </message>
    <message>
        <source>CHL (China)</source>
        <translation>CHL (중국)</translation>
    </message>
    <message>
        <source>year-month-day, with the Overseas Chinese year</source>
        <translation>년-월-일 (연도는 황제 기년)</translation>
    </message>
    <message>
        <source>&quot;?&quot; for the position: choose the element and the animal in the lists</source>
        <translation>위치에 &quot;?&quot;: 오행과 띠를 목록에서 고름</translation>
    </message>
    <message>
        <source>70-?-12-30 CHL with fire and dog</source>
        <translation>70-?-12-30 CHL (화, 개 선택)</translation>
    </message>
    <message>
        <source>cycle-position-solarterm-day</source>
        <translation>주기-위치-절기-일</translation>
    </message>
    <message>
        <source>a decimal number</source>
        <translation>십진수</translation>
    </message>
    <message>
        <source>The time goes in the &lt;b&gt;Time&lt;/b&gt; box as hours:minutes (12:00 when empty), and &lt;b&gt;Zone&lt;/b&gt; says whether it is Greenwich time (GMT) or the time of the reference meridian. Dates without a code are taken, after a question, in the current entry calendar (the row whose caption is white).</source>
        <translation>시각은 &lt;b&gt;시각&lt;/b&gt; 칸에 &quot;시:분&quot;으로 넣고(비워 두면 12:00), &lt;b&gt;시간대&lt;/b&gt;에서 그것이 그리니치 시(GMT)인지 기준 자오선의 시각인지 고릅니다. 기호가 없는 날짜는 확인을 거쳐 현재 입력 역법(제목이 흰색인 줄)의 날짜로 봅니다.</translation>
    </message>
    <message>
        <source>To add or subtract days, put the number in the &lt;b&gt;plus/minus&lt;/b&gt; box and choose plus or minus; with an empty date box the current date is used, so 10 with plus moves ten days ahead.</source>
        <translation>날수를 더하거나 빼려면 &lt;b&gt;더하기/빼기&lt;/b&gt; 칸에 날수를 넣고 더하기나 빼기를 고릅니다. 날짜 칸이 비어 있으면 현재 날짜를 쓰므로, 10과 더하기를 고르면 열흘 뒤로 갑니다.</translation>
    </message>
    <message>
        <source>A click on a row copies its value to the clipboard and makes that calendar the entry calendar; a click on the value also puts it into the entry boxes, ready to be edited and converted.</source>
        <translation>줄을 누르면 그 값이 클립보드에 복사되고 그 역법이 입력 역법이 됩니다. 값 자체를 누르면 입력 칸에도 들어가 고쳐서 변환할 수 있습니다.</translation>
    </message>
    <message>
        <source>Dates from -3000-01-01 CE to 3000-01-01 CE are accepted.</source>
        <translation>-3000-01-01 CE부터 3000-01-01 CE까지의 날짜를 다룹니다.</translation>
    </message>
    <message>
        <source>When a lunar month&apos;s first day, number or leap status rests on a new moon or solar term closer to midnight than the uncertainty of its time, the tooltip of the lunar date says so and names the day other tables may give; the lunar calendar month notes it in its top right cell.</source>
        <translation>음력 달의 초하루, 번호, 윤달 여부가 시각의 오차보다 자정에 더 가까운 삭이나 절기에 달려 있으면, 음력 날짜의 도움말에 그 사실과 다른 역표가 줄 수 있는 날을 알리고, 음력 달력의 오른쪽 위 칸에도 적습니다.</translation>
    </message>
    <message>
        <source>Moving and searching</source>
        <translation>이동과 찾기</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move&lt;/b&gt; forward or back 1 step: a minute, hour, day or 60 days, or a month, year or century of the CE, lunar (CHL), solar (CHS), Julian or Vellomir calendar, each in its own arithmetic (a CHL month goes through leap months). With &lt;b&gt;repeatedly&lt;/b&gt; it steps again at the refresh period until &lt;b&gt;Stop&lt;/b&gt;, with &lt;b&gt;Pause&lt;/b&gt; and &lt;b&gt;Resume&lt;/b&gt;; &lt;b&gt;keep 30th&lt;/b&gt; and &lt;b&gt;keep leap&lt;/b&gt; then bring a lunar date back to day 30 or into its leap month where they exist. &lt;b&gt;one day&lt;/b&gt; moves exactly one day.</source>
        <translation>&lt;b&gt;이동&lt;/b&gt;은 미래로나 과거로 한 단계 옮깁니다. 1분, 1시간, 하루, 60일, 또는 양력·음력(CHL)·절기력(CHS)·율리우스력·벨로미르력의 한 달, 한 해, 한 세기이며, 각 역법의 계산을 따릅니다(CHL의 달은 윤달도 거칩니다). &lt;b&gt;반복&lt;/b&gt;을 고르면 &lt;b&gt;중지&lt;/b&gt;할 때까지 갱신 간격마다 옮기며, &lt;b&gt;일시 중지&lt;/b&gt;와 &lt;b&gt;계속&lt;/b&gt;도 할 수 있습니다. 이때 &lt;b&gt;30일 유지&lt;/b&gt;와 &lt;b&gt;윤달 유지&lt;/b&gt;는 30일이나 윤달이 있는 곳에서 음력 날짜를 그리로 되돌립니다. &lt;b&gt;하루&lt;/b&gt;는 정확히 하루를 옮깁니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search for&lt;/b&gt; the next or previous full moon, dark moon, quarter, lunar new year, solstice, equinox or solar term, a dark or full moon on the first day of a term, a day, month or year of the element and animal chosen beside the date box, a triple coincidence day or a leap month. &quot;Multiple element-animal day&quot; opens a window for conditions on the day, the month and the year at once.</source>
        <translation>&lt;b&gt;찾기&lt;/b&gt;는 다음이나 이전의 보름달, 삭, 상현·하현, 설날, 동지·하지, 춘분·추분, 절기, 절기 첫날의 삭이나 망, 날짜 칸 옆에서 고른 오행과 띠의 날·달·해, 삼중 일치일, 윤달을 찾습니다. &quot;여러 조건의 오행·띠 날&quot;은 날, 달, 해의 조건을 한꺼번에 정하는 창을 엽니다.</translation>
    </message>
    <message>
        <source>Listings and the month view</source>
        <translation>목록과 달력</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dark moons &amp;amp; solar terms&lt;/b&gt; lists the dark moons and solar terms of three solar years. &lt;b&gt;Lunar new years&lt;/b&gt;, &lt;b&gt;Month starts / leap months&lt;/b&gt; and &lt;b&gt;European new years&lt;/b&gt; list, over a number of years, the lunar new years (or anniversaries of the lunar date shown), the first days of the months or of the leap months, and the lunar date of each 1 January; &lt;b&gt;Stop&lt;/b&gt; ends a long list, and &lt;b&gt;Save as iCalendar…&lt;/b&gt; writes the lunar dates listed into a file that desktop, web and phone calendars import. &lt;b&gt;Show lunar calendar month&lt;/b&gt; draws the lunar month as a page of four rows, one quarter of the month each, with day 15 and day 30 in the &quot;Lunaday&quot; column; it steps through the months and saves the page as a PNG image.</source>
        <translation>&lt;b&gt;삭과 절기&lt;/b&gt;는 절기년 세 해의 삭과 절기를 목록으로 보여 줍니다. &lt;b&gt;설날&lt;/b&gt;, &lt;b&gt;초하루 / 윤달&lt;/b&gt;, &lt;b&gt;양력 새해&lt;/b&gt;는 여러 해에 걸쳐 설날(또는 보이는 음력 날짜의 기념일), 각 달이나 윤달의 초하루, 해마다 1월 1일의 음력 날짜를 보여 줍니다. &lt;b&gt;중지&lt;/b&gt;로 긴 목록을 멈출 수 있고, &lt;b&gt;iCalendar로 저장…&lt;/b&gt;은 목록의 음력 날짜를 컴퓨터·웹·휴대폰 달력이 가져올 수 있는 파일로 씁니다. &lt;b&gt;음력 달력 보기&lt;/b&gt;는 음력 한 달을 네 줄짜리 쪽으로 그립니다. 한 줄이 한 달의 4분의 1이며, 15일과 30일은 &quot;보름 칸&quot;에 들어갑니다. 달마다 넘겨 보고 쪽을 PNG 그림으로 저장할 수 있습니다.</translation>
    </message>
    <message>
        <source>The listings and the log entries are written in English, as mirvo-cli writes them.</source>
        <extracomment>Said only in the translated help.</extracomment>
        <translation>목록과 기록 항목은 mirvo-cli처럼 영어로 씁니다.</translation>
    </message>
    <message>
        <source>The log and the saved state</source>
        <translation>기록과 저장된 상태</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add to log&lt;/b&gt; writes the instant into the log in the reckonings chosen under &lt;b&gt;Configure log&lt;/b&gt;; &lt;b&gt;View log&lt;/b&gt; shows it for editing and copying, &lt;b&gt;Clear log&lt;/b&gt; empties it. With &lt;b&gt;Auto log&lt;/b&gt; every Now, conversion, move and search adds an entry headed by what was done. &lt;b&gt;Save state&lt;/b&gt;, &lt;b&gt;Quit&lt;/b&gt; and closing the window keep the instant and every choice for the next start; &lt;b&gt;Restore state&lt;/b&gt; goes back to them.</source>
        <translation>&lt;b&gt;기록에 추가&lt;/b&gt;는 &lt;b&gt;기록 설정&lt;/b&gt;에서 고른 역법으로 시각을 기록에 씁니다. &lt;b&gt;기록 보기&lt;/b&gt;로 고치거나 복사할 수 있고, &lt;b&gt;기록 지우기&lt;/b&gt;로 비웁니다. &lt;b&gt;자동 기록&lt;/b&gt;을 고르면 지금, 변환, 이동, 찾기를 할 때마다 한 일을 제목으로 한 항목이 붙습니다. &lt;b&gt;상태 저장&lt;/b&gt;, &lt;b&gt;끝내기&lt;/b&gt;, 창 닫기는 시각과 모든 선택을 다음 시작을 위해 저장하고, &lt;b&gt;상태 복원&lt;/b&gt;은 그 상태로 돌아갑니다.</translation>
    </message>
    <message>
        <source>The command-line tool</source>
        <translation>명령줄 도구</translation>
    </message>
    <message>
        <source>&lt;code&gt;mirvo-cli&lt;/code&gt; prints the same calendar for scripts: &lt;code&gt;show&lt;/code&gt;, &lt;code&gt;move&lt;/code&gt;, &lt;code&gt;search&lt;/code&gt;, &lt;code&gt;list&lt;/code&gt;, &lt;code&gt;year-data&lt;/code&gt;, &lt;code&gt;month-view&lt;/code&gt;, &lt;code&gt;log-entry&lt;/code&gt;, &lt;code&gt;export&lt;/code&gt; (iCalendar files) and more; &lt;code&gt;mirvo-cli --help&lt;/code&gt; lists them all.</source>
        <translation>&lt;code&gt;mirvo-cli&lt;/code&gt;는 같은 역법을 스크립트용으로 출력합니다: &lt;code&gt;show&lt;/code&gt;, &lt;code&gt;move&lt;/code&gt;, &lt;code&gt;search&lt;/code&gt;, &lt;code&gt;list&lt;/code&gt;, &lt;code&gt;year-data&lt;/code&gt;, &lt;code&gt;month-view&lt;/code&gt;, &lt;code&gt;log-entry&lt;/code&gt;, &lt;code&gt;export&lt;/code&gt;(iCalendar 파일) 등. &lt;code&gt;mirvo-cli --help&lt;/code&gt;가 모든 명령을 보여 줍니다.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>&lt;b&gt;Longitude&lt;/b&gt;: the reference meridian itself, 100° to 145° east, with its zone label (for example BEI for 116°, the meridian of Beijing). Months and terms begin on the civil day at this meridian, so a dark moon shortly before midnight can fall on different days for different meridians.</source>
        <translation>&lt;b&gt;경도&lt;/b&gt;: 기준 자오선 자체(동경 100°~145°)와 그 시간대 약호(예: 베이징 자오선 116°는 BEI). 달과 절기는 이 자오선의 날에 시작하므로, 자정 직전의 삭은 자오선에 따라 다른 날에 들 수 있습니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Epoch&lt;/b&gt;: the year of cycle 1, position 1: 2697 BC (-2696) or 2637 BC (-2636). It changes the cycle numbers, not the dates.</source>
        <translation>&lt;b&gt;기원&lt;/b&gt;: 제1주기 첫해. 기원전 2697년(-2696) 또는 기원전 2637년(-2636)입니다. 바뀌는 것은 주기 번호이고 날짜는 그대로입니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Method&lt;/b&gt;: &quot;true sun&quot; places the solar terms by the Sun&apos;s apparent longitude; &quot;mean sun&quot; divides the tropical year evenly, as the calendar did before 1645.</source>
        <translation>&lt;b&gt;방식&lt;/b&gt;: &quot;정기&quot;는 태양의 시황경으로 절기를 정하고, &quot;평기&quot;는 1645년 이전의 역법처럼 태양년을 고르게 나눕니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Vellomir Calendar&lt;/b&gt; and &lt;b&gt;Show chronological JDs&lt;/b&gt; show or hide those rows; &lt;b&gt;Auto log&lt;/b&gt; is described above.</source>
        <translation>&lt;b&gt;벨로미르력 표시&lt;/b&gt;와 &lt;b&gt;역일 율리우스일 표시&lt;/b&gt;는 그 줄들을 보이거나 숨깁니다. &lt;b&gt;자동 기록&lt;/b&gt;은 위에 설명했습니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Language&lt;/b&gt;: the language of the windows. &lt;b&gt;System&lt;/b&gt; follows the locale of the desktop, English where the program has no translation. The choice takes effect at once and is remembered for the next start; the codes of the calendars and the dates typed stay the same in every language.</source>
        <translation>&lt;b&gt;언어&lt;/b&gt;: 창의 언어. &lt;b&gt;시스템 설정&lt;/b&gt;은 데스크톱의 로캘을 따르며, 번역이 없으면 영어입니다. 고르는 즉시 적용되고 다음 시작 때도 유지됩니다. 역법 기호와 입력하는 날짜는 어느 언어에서나 같습니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Reset&lt;/b&gt; restores the entry calendar, the display switches and the options, but keeps the country, longitude, epoch and method.</source>
        <translation>&lt;b&gt;초기화&lt;/b&gt;는 입력 역법, 표시 선택, 여러 옵션을 되돌리지만 나라, 경도, 기원, 방식은 그대로 둡니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (F1 in the date box, on Now, Move or Help) opens this window; &lt;b&gt;Brisvale software&lt;/b&gt; lists the maker&apos;s programs.</source>
        <translation>&lt;b&gt;도움말&lt;/b&gt;(날짜 칸, 지금, 이동, 도움말에서 F1)은 이 창을 엽니다. &lt;b&gt;Brisvale 소프트웨어&lt;/b&gt;는 만든 이의 프로그램을 보여 줍니다.</translation>
    </message>
    <message>
        <source>Mirvo Help</source>
        <translation>Mirvo 도움말</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>참고 자료</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>&lt;b&gt;Country&lt;/b&gt;: Vietnam, China, Japan or Korea. It sets the reference meridian (105°, 120°, 135° or 135° east), the names of the animals (cat and goat in Vietnam, boar in Japan) and the colour of the window. The choice is remembered for the next start.</source>
        <translation>&lt;b&gt;나라&lt;/b&gt;: 베트남, 중국, 일본, 한국. 기준 자오선(동경 105°, 120°, 135°, 135°), 띠 동물의 이름(베트남은 고양이와 염소, 일본은 멧돼지), 창의 색을 정합니다. 고른 것은 다음 시작 때도 유지됩니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Follow the calendar&apos;s history&lt;/b&gt;: each lunar year is computed for the meridian its country&apos;s almanac used that year (China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911). Dates before the years whose almanacs the modern rule reproduces (China 1912, Vietnam 1945, Korea 1900, Japan 1873) say in their tooltip that the almanac of the time may differ.</source>
        <translation>&lt;b&gt;역법의 연혁 따르기&lt;/b&gt;: 각 음력 해를 그 나라의 역서가 그해에 쓴 자오선으로 계산합니다(중국 1928년까지 동경 116°25′, 베트남 1967년까지 동경 120°, 한국 1911년까지 동경 120°). 현대 규칙이 당시 역서를 재현하는 해(중국 1912년, 베트남 1945년, 한국 1900년, 일본 1873년) 이전의 날짜는 당시 역서와 다를 수 있다고 도움말 풍선에 적습니다.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Festivals&lt;/b&gt; lists the festivals and seasonal days of the country over a number of years; the line beside the lunar date and the cells of the month view name the day&apos;s, and Search finds the next or previous day of the one chosen.</source>
        <translation>&lt;b&gt;명절&lt;/b&gt;은 나라의 명절과 절기일을 여러 해에 걸쳐 나열합니다. 음력 날짜 옆의 줄과 월 보기의 칸은 그날의 명절을 보여 주고, 찾기는 고른 명절의 다음 또는 이전 날을 찾습니다.</translation>
    </message>
</context>
<context>
    <name>mirvo::frmLog</name>
    <message>
        <source>Clear log</source>
        <translation>기록 지우기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Log for %1</source>
        <translation>%1 기록</translation>
    </message>
    <message>
        <source>Closing the log window in this way
causes its contents to be lost.

To preserve the contents, choose Cancel
and use the &apos;Close&apos; button.

Discard the log?</source>
        <translation>이렇게 기록 창을 닫으면
내용이 사라집니다.

내용을 남기려면 &apos;취소&apos;를 고른 뒤
&apos;닫기&apos; 단추를 쓰십시오.

기록을 버릴까요?</translation>
    </message>
    <message>
        <source>Close log</source>
        <translation>기록 닫기</translation>
    </message>
    <message>
        <source>Erase all data in the log?</source>
        <translation>기록의 내용을 모두 지울까요?</translation>
    </message>
</context>
<context>
    <name>mirvo::frmLogPreferences</name>
    <message>
        <source>Configure log entries</source>
        <translation>기록 항목 설정</translation>
    </message>
    <message>
        <source>Include in log entries:</source>
        <translation>기록 항목에 넣을 것:</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>중국 역법</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>서양 역법</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>천문</translation>
    </message>
    <message>
        <source>Set all</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>모두 해제</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>mirvo::frmMain</name>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>The translation of the windows into %1 could not be loaded; they stay in English.</source>
        <translation>창의 %1 번역을 불러오지 못했습니다. 영어로 둡니다.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
</context>
<context>
    <name>mirvo::frmMultiple_El_An</name>
    <message>
        <source>day</source>
        <translation>날</translation>
    </message>
    <message>
        <source>month</source>
        <translation>달</translation>
    </message>
    <message>
        <source>year</source>
        <translation>해</translation>
    </message>
    <message>
        <source>starting from today</source>
        <translation>오늘부터</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Search for the next</source>
        <translation>다음 찾기</translation>
    </message>
    <message>
        <source>Search for the previous</source>
        <translation>이전 찾기</translation>
    </message>
</context>
</TS>
