<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>DataWindowForm</name>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liệt kê</translation>
    </message>
    <message>
        <source>Large window</source>
        <translation>Cửa sổ lớn</translation>
    </message>
    <message>
        <source>Include major solar terms (the Zs)</source>
        <extracomment>Z1 … Z12, the codes of the major terms, stay as they are.</extracomment>
        <translation>Gồm các trung khí (Z)</translation>
    </message>
    <message>
        <source>Include minor solar terms (the Js)</source>
        <extracomment>J1 … J12, the codes of the minor terms, stay as they are.</extracomment>
        <translation>Gồm các tiết khí (J)</translation>
    </message>
    <message>
        <source>Display solar term names</source>
        <translation>Hiện tên tiết khí</translation>
    </message>
    <message>
        <source>Leap months only</source>
        <translation>Chỉ tháng nhuận</translation>
    </message>
    <message>
        <source>Omit invalid dates</source>
        <translation>Bỏ ngày không hợp lệ</translation>
    </message>
    <message>
        <source>European calendar:</source>
        <translation>Lịch châu Âu:</translation>
    </message>
    <message>
        <source>Second test: a date to test</source>
        <translation>Phép thử thứ hai: ngày cần thử</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Common Era (Gregorian):</source>
        <translation>Dương lịch (Gregory):</translation>
    </message>
    <message>
        <source>Julian Calendar:</source>
        <translation>Lịch Julius:</translation>
    </message>
    <message>
        <source>Chinese Lunar:</source>
        <translation>Âm lịch Trung Quốc:</translation>
    </message>
    <message>
        <source>Chinese Solar:</source>
        <translation>Tiết khí Trung Quốc:</translation>
    </message>
    <message>
        <source>Vietnamese Lunar:</source>
        <translation>Âm lịch Việt Nam:</translation>
    </message>
    <message>
        <source>Vietnamese Solar:</source>
        <translation>Tiết khí Việt Nam:</translation>
    </message>
    <message>
        <source>Japanese Lunar:</source>
        <translation>Âm lịch Nhật Bản:</translation>
    </message>
    <message>
        <source>Japanese Solar:</source>
        <translation>Tiết khí Nhật Bản:</translation>
    </message>
    <message>
        <source>Vellomir Calendar:</source>
        <translation>Lịch Vellomir:</translation>
    </message>
    <message>
        <source>Chronological JD London:</source>
        <translation>Ngày Julius dân sự London:</translation>
    </message>
    <message>
        <source>Chronological JD %1º East</source>
        <translation>Ngày Julius dân sự %1º Đông</translation>
    </message>
    <message>
        <source>Astronomical Julian date:</source>
        <translation>Ngày Julius thiên văn:</translation>
    </message>
    <message>
        <source>Phase of Moon, illumination:</source>
        <translation>Pha Mặt Trăng, độ sáng:</translation>
    </message>
    <message>
        <source>[Lunation] Age of Moon:</source>
        <translation>[Tuần trăng] Tuổi trăng:</translation>
    </message>
    <message>
        <source>Delta T:</source>
        <translation>ΔT:</translation>
    </message>
    <message>
        <source>VMC month &amp; day same as CHL</source>
        <translation>Tháng và ngày VMC trùng CHL</translation>
    </message>
    <message>
        <source>VMC date %1 day ahead of CHL</source>
        <translation>Ngày VMC sớm hơn CHL %1 ngày</translation>
    </message>
    <message>
        <source>VMC date %1 day behind CHL</source>
        <translation>Ngày VMC muộn hơn CHL %1 ngày</translation>
    </message>
    <message>
        <source>VMC date %1 month ahead of CHL</source>
        <translation>Ngày VMC sớm hơn CHL %1 tháng</translation>
    </message>
    <message>
        <source>VMC date %1 month behind CHL</source>
        <translation>Ngày VMC muộn hơn CHL %1 tháng</translation>
    </message>
    <message>
        <source>VMC month no. same as CHL</source>
        <translation>Số tháng VMC trùng CHL</translation>
    </message>
    <message>
        <source>VMC day no. same as CHL</source>
        <translation>Số ngày VMC trùng CHL</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>Năm thứ %1</translation>
    </message>
    <message>
        <source>Korean Lunar:</source>
        <translation>Âm lịch Hàn Quốc:</translation>
    </message>
    <message>
        <source>Korean Solar:</source>
        <translation>Tiết khí Hàn Quốc:</translation>
    </message>
    <message>
        <source>Vietnamese Lunar (%1º E):</source>
        <translation>Âm lịch Việt Nam (%1° Đông):</translation>
    </message>
    <message>
        <source>Vietnamese Lunar (%1º%2′ E):</source>
        <translation>Âm lịch Việt Nam (%1°%2′ Đông):</translation>
    </message>
    <message>
        <source>Chinese Lunar (%1º E):</source>
        <translation>Âm lịch Trung Quốc (%1° Đông):</translation>
    </message>
    <message>
        <source>Chinese Lunar (%1º%2′ E):</source>
        <translation>Âm lịch Trung Quốc (%1°%2′ Đông):</translation>
    </message>
    <message>
        <source>Japanese Lunar (%1º E):</source>
        <translation>Âm lịch Nhật Bản (%1° Đông):</translation>
    </message>
    <message>
        <source>Japanese Lunar (%1º%2′ E):</source>
        <translation>Âm lịch Nhật Bản (%1°%2′ Đông):</translation>
    </message>
    <message>
        <source>Korean Lunar (%1º E):</source>
        <translation>Âm lịch Hàn Quốc (%1° Đông):</translation>
    </message>
    <message>
        <source>Korean Lunar (%1º%2′ E):</source>
        <translation>Âm lịch Hàn Quốc (%1°%2′ Đông):</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save the listed dates as an iCalendar file</source>
        <translation>Lưu các ngày đã liệt kê thành tệp iCalendar</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics)</source>
        <translation>Tệp iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Save image of this calendar month as a PNG file</source>
        <translation>Lưu hình tờ lịch tháng này thành tệp PNG</translation>
    </message>
    <message>
        <source>PNG graphics file (*.png)</source>
        <translation>Tệp ảnh PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>Listings</name>
    <message>
        <source>Dates, times and CJDs of dark moons and solar terms</source>
        <translation>Ngày, giờ và ngày Julius dân sự của sóc và tiết khí</translation>
    </message>
    <message>
        <source>Lunar new years &amp; anniversaries</source>
        <translation>Tết âm lịch và ngày giỗ</translation>
    </message>
    <message>
        <source>Lunar month starts &amp; leap months</source>
        <translation>Đầu tháng âm lịch và tháng nhuận</translation>
    </message>
    <message>
        <source>Julian and CE new years</source>
        <translation>Năm mới lịch Julius và dương lịch</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Kiểm tra</translation>
    </message>
    <message>
        <source>Save as iCalendar…</source>
        <translation>Lưu thành iCalendar…</translation>
    </message>
    <message>
        <source>years     Calculating ...</source>
        <translation>năm     Đang tính ...</translation>
    </message>
    <message>
        <source>years     Calculating ... year %1</source>
        <translation>năm     Đang tính ... năm %1</translation>
    </message>
    <message>
        <source>years     Calculating ... year -%1</source>
        <translation>năm     Đang tính ... năm -%1</translation>
    </message>
    <message>
        <source>Festivals and seasonal days</source>
        <translation>Lễ tết và ngày tiết khí</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Expanded log entries</source>
        <translation>Mục nhật ký đầy đủ</translation>
    </message>
    <message>
        <source>Include Chinese terms</source>
        <translation>Kèm thuật ngữ Hán</translation>
    </message>
    <message>
        <source>View log after adding an entry</source>
        <translation>Xem nhật ký sau khi thêm mục</translation>
    </message>
    <message>
        <source>ChL (Chinese Lunar Calendar)</source>
        <translation>ChL (âm lịch Trung Quốc)</translation>
    </message>
    <message>
        <source>ChS (Chinese Solar Calendar)</source>
        <translation>ChS (lịch tiết khí Trung Quốc)</translation>
    </message>
    <message>
        <source>CJDC (Chronological Julian Date, China)</source>
        <translation>CJDC (ngày Julius dân sự, Trung Quốc)</translation>
    </message>
    <message>
        <source>Epoch, method, longitude</source>
        <translation>Kỷ nguyên, phương pháp, kinh độ</translation>
    </message>
    <message>
        <source>CE (Common Era Calendar)</source>
        <translation>CE (dương lịch)</translation>
    </message>
    <message>
        <source>JC (Julian Calendar)</source>
        <translation>JC (lịch Julius)</translation>
    </message>
    <message>
        <source>CJDL (Chronological Julian Date, London)</source>
        <translation>CJDL (ngày Julius dân sự, London)</translation>
    </message>
    <message>
        <source>AJD (Astronomical Julian Date)</source>
        <translation>AJD (ngày Julius thiên văn)</translation>
    </message>
    <message>
        <source>Phase of Moon and illumination</source>
        <translation>Pha Mặt Trăng và độ sáng</translation>
    </message>
    <message>
        <source>Lunation and age of Moon</source>
        <translation>Tuần trăng và tuổi trăng</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Không thành công</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Không hợp lệ</translation>
    </message>
    <message>
        <source>Inability</source>
        <translation>Không thực hiện được</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Ngoài phạm vi</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Dữ liệu không hợp lệ</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Không tìm thấy</translation>
    </message>
    <message>
        <source>Convert date</source>
        <translation>Chuyển đổi ngày</translation>
    </message>
    <message>
        <source>Invalid date or time entry</source>
        <translation>Ngày hoặc giờ nhập không hợp lệ</translation>
    </message>
    <message>
        <source>Date out of range</source>
        <translation>Ngày ngoài phạm vi</translation>
    </message>
    <message>
        <source>Calendar?</source>
        <translation>Lịch nào?</translation>
    </message>
    <message>
        <source>Save state</source>
        <translation>Lưu trạng thái</translation>
    </message>
    <message>
        <source>Restore state</source>
        <translation>Khôi phục trạng thái</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Lưu hình</translation>
    </message>
    <message>
        <source>Save as iCalendar</source>
        <translation>Lưu thành iCalendar</translation>
    </message>
    <message>
        <source>Cannot launch web browser</source>
        <translation>Không mở được trình duyệt web</translation>
    </message>
    <message>
        <source>Error in listing</source>
        <translation>Lỗi khi liệt kê</translation>
    </message>
    <message>
        <source>Calendar dates unchanged.</source>
        <translation>Các ngày lịch không thay đổi.</translation>
    </message>
    <message>
        <source>No date specified.</source>
        <translation>Chưa nhập ngày.</translation>
    </message>
    <message>
        <source>Calendar must be specified (one of CHL, CHS, CE, JC, VMC, CJDL, CJDC, AJD).</source>
        <translation>Phải ghi rõ lịch (một trong CHL, CHS, CE, JC, VMC, CJDL, CJDC, AJD).</translation>
    </message>
    <message>
        <source>Time specification not permitted in date string.</source>
        <translation>Không được ghi giờ trong chuỗi ngày.</translation>
    </message>
    <message>
        <source>Invalid time specification.  Times must be, e.g., %1:%2.</source>
        <translation>Giờ không hợp lệ. Giờ phải viết như %1:%2.</translation>
    </message>
    <message>
        <source>Date separator must be a dash, &apos;-&apos;.</source>
        <translation>Dấu phân cách ngày phải là gạch nối &apos;-&apos;.</translation>
    </message>
    <message>
        <source>Invalid CE date.  CE dates must be in ISO %1 format: year-month-day</source>
        <translation>Ngày CE không hợp lệ. Ngày CE phải theo dạng ISO %1: năm-tháng-ngày</translation>
    </message>
    <message>
        <source>Invalid JC date.  JC dates must be in ISO %1 format: year-month-day</source>
        <translation>Ngày JC không hợp lệ. Ngày JC phải theo dạng ISO %1: năm-tháng-ngày</translation>
    </message>
    <message>
        <source>Invalid VMC date.  VMC dates must be in ISO %1 format: year-month-day</source>
        <translation>Ngày VMC không hợp lệ. Ngày VMC phải theo dạng ISO %1: năm-tháng-ngày</translation>
    </message>
    <message>
        <source>Invalid CHL date.  CHL dates must be in the form &apos;cycle-position-month[*]-day&apos;</source>
        <translation>Ngày CHL không hợp lệ. Ngày CHL phải có dạng &apos;chu kỳ-vị trí-tháng[*]-ngày&apos;</translation>
    </message>
    <message>
        <source>Invalid CHL date.  CHL dates must be in the form &apos;cycle-position-month[*]-day&apos;.</source>
        <translation>Ngày CHL không hợp lệ. Ngày CHL phải có dạng &apos;chu kỳ-vị trí-tháng[*]-ngày&apos;.</translation>
    </message>
    <message>
        <source>or &apos;year-month-day&apos;, where &apos;year&apos; is the Overseas Chinese year, e.g. %1.</source>
        <translation>hoặc &apos;năm-tháng-ngày&apos;, trong đó &apos;năm&apos; là năm Hoàng Đế, ví dụ %1.</translation>
    </message>
    <message>
        <source>Or use &apos;?&apos; for position with a specified element-animal, e.g., %1-?-%2-%3,</source>
        <translation>Hoặc dùng &apos;?&apos; thay vị trí và chọn hành, con giáp, ví dụ %1-?-%2-%3,</translation>
    </message>
    <message>
        <source>and specify element-animal using the drop-down boxes.</source>
        <translation>rồi chọn hành và con giáp trong các danh sách thả xuống.</translation>
    </message>
    <message>
        <source>Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day</source>
        <translation>Ngày CHS không hợp lệ. Ngày CHS phải có dạng: chu kỳ-vị trí-tiết khí-ngày</translation>
    </message>
    <message>
        <source>Invalid CJDL, CJDC, or AJD date.  These must be, e.g., %1.%2 CJDL or %3,%4,%5 AJD.</source>
        <translation>Ngày CJDL, CJDC hoặc AJD không hợp lệ. Phải viết như %1.%2 CJDL hoặc %3,%4,%5 AJD.</translation>
    </message>
    <message>
        <source>Error when parsing date string.</source>
        <translation>Lỗi khi đọc chuỗi ngày.</translation>
    </message>
    <message>
        <source>Invalid CHL date.  Day number exceeds number of days in the month.</source>
        <translation>Ngày CHL không hợp lệ. Số ngày vượt quá số ngày của tháng.</translation>
    </message>
    <message>
        <source>Invalid plus/minus days.</source>
        <translation>Số ngày cộng/trừ không hợp lệ.</translation>
    </message>
    <message>
        <source>Date too early.</source>
        <translation>Ngày quá sớm.</translation>
    </message>
    <message>
        <source>Date is earlier than -%1-%2-%3 CE.</source>
        <translation>Ngày sớm hơn -%1-%2-%3 CE.</translation>
    </message>
    <message>
        <source>Date is later than %1-%2-%3 CE.</source>
        <translation>Ngày muộn hơn %1-%2-%3 CE.</translation>
    </message>
    <message>
        <source>Earliest admissible date reached.</source>
        <translation>Đã đến ngày sớm nhất được phép.</translation>
    </message>
    <message>
        <source>Latest admissible date reached.</source>
        <translation>Đã đến ngày muộn nhất được phép.</translation>
    </message>
    <message>
        <source>Earliest date exceeded.</source>
        <translation>Đã vượt quá ngày sớm nhất.</translation>
    </message>
    <message>
        <source>Latest date exceeded.</source>
        <translation>Đã vượt quá ngày muộn nhất.</translation>
    </message>
    <message>
        <source>Earliest date reached.</source>
        <translation>Đã đến ngày sớm nhất.</translation>
    </message>
    <message>
        <source>Latest date reached.</source>
        <translation>Đã đến ngày muộn nhất.</translation>
    </message>
    <message>
        <source>Unable to add a lunar month.</source>
        <translation>Không thể cộng một tháng âm lịch.</translation>
    </message>
    <message>
        <source>Unable to subtract a lunar month.</source>
        <translation>Không thể trừ một tháng âm lịch.</translation>
    </message>
    <message>
        <source>Unable to add a lunar year.</source>
        <translation>Không thể cộng một năm âm lịch.</translation>
    </message>
    <message>
        <source>Unable to subtract a lunar year.</source>
        <translation>Không thể trừ một năm âm lịch.</translation>
    </message>
    <message>
        <source>Unable to add a %1-year cycle (CHL).</source>
        <translation>Không thể cộng một chu kỳ %1 năm (CHL).</translation>
    </message>
    <message>
        <source>Unable to subtract a %1-year cycle (CHL).</source>
        <translation>Không thể trừ một chu kỳ %1 năm (CHL).</translation>
    </message>
    <message>
        <source>Unable to add a solar term.</source>
        <translation>Không thể cộng một tiết khí.</translation>
    </message>
    <message>
        <source>Unable to subtract a solar term.</source>
        <translation>Không thể trừ một tiết khí.</translation>
    </message>
    <message>
        <source>Unable to add a solar year.</source>
        <translation>Không thể cộng một năm tiết khí.</translation>
    </message>
    <message>
        <source>Unable to subtract a solar year.</source>
        <translation>Không thể trừ một năm tiết khí.</translation>
    </message>
    <message>
        <source>Unable to add a %1-year cycle (CHS).</source>
        <translation>Không thể cộng một chu kỳ %1 năm (CHS).</translation>
    </message>
    <message>
        <source>Unable to subtract a %1-year cycle (CHS).</source>
        <translation>Không thể trừ một chu kỳ %1 năm (CHS).</translation>
    </message>
    <message>
        <source>Unable to add a intercalary month.</source>
        <translation>Không tìm được tháng nhuận kế tiếp.</translation>
    </message>
    <message>
        <source>Unable to subtract a intercalary month.</source>
        <translation>Không tìm được tháng nhuận trước đó.</translation>
    </message>
    <message>
        <source>Lunar date is invalid.</source>
        <translation>Ngày âm lịch không hợp lệ.</translation>
    </message>
    <message>
        <source>Solar date is invalid.</source>
        <translation>Ngày tiết khí không hợp lệ.</translation>
    </message>
    <message>
        <source>Invalid lunar date results.</source>
        <translation>Kết quả là ngày âm lịch không hợp lệ.</translation>
    </message>
    <message>
        <source>Invalid lunar date results</source>
        <translation>Kết quả là ngày âm lịch không hợp lệ</translation>
    </message>
    <message>
        <source>Invalid solar date results.</source>
        <translation>Kết quả là ngày tiết khí không hợp lệ.</translation>
    </message>
    <message>
        <source>Invalid solar date results</source>
        <translation>Kết quả là ngày tiết khí không hợp lệ</translation>
    </message>
    <message>
        <source>No solar term found in the table of the current year.</source>
        <translation>Không thấy tiết khí nào trong bảng của năm hiện tại.</translation>
    </message>
    <message>
        <source>You must specify an element, an animal or both.</source>
        <translation>Hãy chọn hành, con giáp hoặc cả hai.</translation>
    </message>
    <message>
        <source>Cannot find required dark moon.</source>
        <translation>Không tìm được sóc cần thiết.</translation>
    </message>
    <message>
        <source>Cannot find a triple coincidence day.</source>
        <translation>Không tìm được ngày trùng hợp ba.</translation>
    </message>
    <message>
        <source>Error %1 in search process when converting lunar date to JDN.</source>
        <translation>Lỗi %1 khi đổi ngày âm lịch sang số ngày Julius trong lúc tìm.</translation>
    </message>
    <message>
        <source>You must specify an element or an animal or both</source>
        <translation>Hãy chọn hành, con giáp hoặc cả hai</translation>
    </message>
    <message>
        <source>for one or more of: day, month and year</source>
        <translation>cho ít nhất một trong: ngày, tháng và năm</translation>
    </message>
    <message>
        <source>There is no such day within %1 year.</source>
        <translation>Không có ngày như vậy trong vòng %1 năm.</translation>
    </message>
    <message>
        <source>There is no such day within %1 years.</source>
        <translation>Không có ngày như vậy trong vòng %1 năm.</translation>
    </message>
    <message>
        <source>There is no such day within %1 year of today.</source>
        <translation>Không có ngày như vậy trong vòng %1 năm kể từ hôm nay.</translation>
    </message>
    <message>
        <source>There is no such day within %1 years of today.</source>
        <translation>Không có ngày như vậy trong vòng %1 năm kể từ hôm nay.</translation>
    </message>
    <message>
        <source>There is no such day before %1-%2-%3 CE, the latest admitted date.</source>
        <translation>Không có ngày như vậy trước %1-%2-%3 CE, ngày muộn nhất được phép.</translation>
    </message>
    <message>
        <source>There is no such day after -%1-%2-%3 CE, the earliest admitted date.</source>
        <translation>Không có ngày như vậy sau -%1-%2-%3 CE, ngày sớm nhất được phép.</translation>
    </message>
    <message>
        <source>Restore previous log configuration also?</source>
        <translation>Khôi phục cả cấu hình nhật ký trước đó?</translation>
    </message>
    <message>
        <source>The list holds no dates to save.</source>
        <translation>Danh sách không có ngày nào để lưu.</translation>
    </message>
    <message>
        <source>The iCalendar file could not be written.</source>
        <translation>Không ghi được tệp iCalendar.</translation>
    </message>
    <message>
        <source>The dates have been saved in the iCalendar file (%1 event):</source>
        <translation>Các ngày đã được lưu vào tệp iCalendar (%1 sự kiện):</translation>
    </message>
    <message>
        <source>The dates have been saved in the iCalendar file (%1 events):</source>
        <translation>Các ngày đã được lưu vào tệp iCalendar (%1 sự kiện):</translation>
    </message>
    <message>
        <source>%1 date left out: an iCalendar file holds the years %2 to %3.</source>
        <translation>Bỏ qua %1 ngày: tệp iCalendar chỉ chứa các năm %2 đến %3.</translation>
    </message>
    <message>
        <source>%1 dates left out: an iCalendar file holds the years %2 to %3.</source>
        <translation>Bỏ qua %1 ngày: tệp iCalendar chỉ chứa các năm %2 đến %3.</translation>
    </message>
    <message>
        <source>The image has been saved in the PNG file</source>
        <translation>Hình đã được lưu vào tệp PNG</translation>
    </message>
    <message>
        <source>Save error.  The image has been saved instead in the BMP file</source>
        <translation>Lỗi khi lưu. Hình đã được lưu thay vào tệp BMP</translation>
    </message>
    <message>
        <source>Error when attempting to save image.  Please try again.</source>
        <translation>Lỗi khi lưu hình. Vui lòng thử lại.</translation>
    </message>
    <message>
        <source>Error launching web browser, error code = %1.</source>
        <translation>Lỗi khi mở trình duyệt web, mã lỗi = %1.</translation>
    </message>
    <message>
        <source>No program to open web pages was found.</source>
        <translation>Không tìm thấy chương trình mở trang web.</translation>
    </message>
    <message>
        <source>No program to open this file was found.</source>
        <translation>Không tìm thấy chương trình mở tệp này.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Hết bộ nhớ.</translation>
    </message>
    <message>
        <source>Please try once more.</source>
        <translation>Vui lòng thử lại lần nữa.</translation>
    </message>
    <message>
        <source>Is this a CE Calendar date?</source>
        <translation>Đây có phải là ngày CE không?</translation>
    </message>
    <message>
        <source>Is this a JC Calendar date?</source>
        <translation>Đây có phải là ngày JC không?</translation>
    </message>
    <message>
        <source>Is this a CHL Calendar date?</source>
        <translation>Đây có phải là ngày CHL không?</translation>
    </message>
    <message>
        <source>Is this a CHS Calendar date?</source>
        <translation>Đây có phải là ngày CHS không?</translation>
    </message>
    <message>
        <source>Is this a AJD Calendar date?</source>
        <translation>Đây có phải là ngày AJD không?</translation>
    </message>
    <message>
        <source>Is this a CJDC Calendar date?</source>
        <translation>Đây có phải là ngày CJDC không?</translation>
    </message>
    <message>
        <source>Is this a CJDL Calendar date?</source>
        <translation>Đây có phải là ngày CJDL không?</translation>
    </message>
    <message>
        <source>Is this a VMC Calendar date?</source>
        <translation>Đây có phải là ngày VMC không?</translation>
    </message>
    <message>
        <source>Cannot find the festival or seasonal day.</source>
        <translation>Không tìm thấy ngày lễ tết hay ngày tiết khí đó.</translation>
    </message>
</context>
<context>
    <name>MonthView</name>
    <message>
        <source>Lunaday</source>
        <translation>Cột rằm</translation>
    </message>
    <message>
        <source>One quarter of the lunar month in each row</source>
        <translation>Mỗi hàng là một phần tư tháng âm lịch</translation>
    </message>
    <message>
        <source>computed for %1º E (the almanac of %2)</source>
        <translation>tính theo kinh tuyến %1° Đông (lịch năm %2)</translation>
    </message>
    <message>
        <source>computed for %1º%2′ E (the almanac of %3)</source>
        <translation>tính theo kinh tuyến %1°%2′ Đông (lịch năm %3)</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E) had no such month</source>
        <translation>lịch năm %1 (%2° Đông) không có tháng này</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E) had no such month</source>
        <translation>lịch năm %1 (%2°%3′ Đông) không có tháng này</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E): %3 days from %4-%5-%6 CE</source>
        <translation>lịch năm %1 (%2° Đông): tháng %3 ngày, bắt đầu từ %4-%5-%6 CN</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E): %4 days from %5-%6-%7 CE</source>
        <translation>lịch năm %1 (%2°%3′ Đông): tháng %4 ngày, bắt đầu từ %5-%6-%7 CN</translation>
    </message>
    <message>
        <source>modern rule: the almanac of the time may differ</source>
        <translation>tính theo quy tắc hiện đại, lịch đương thời có thể khác</translation>
    </message>
    <message>
        <source>computed for %1º E (the almanac of %2); modern rule: the almanac of the time may differ</source>
        <translation>tính theo kinh tuyến %1° Đông (lịch năm %2); tính theo quy tắc hiện đại, lịch đương thời có thể khác</translation>
    </message>
    <message>
        <source>computed for %1º%2′ E (the almanac of %3); modern rule: the almanac of the time may differ</source>
        <translation>tính theo kinh tuyến %1°%2′ Đông (lịch năm %3); tính theo quy tắc hiện đại, lịch đương thời có thể khác</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E) had no such month; modern rule: the almanac of the time may differ</source>
        <translation>lịch năm %1 (%2° Đông) không có tháng này; tính theo quy tắc hiện đại, lịch đương thời có thể khác</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E) had no such month; modern rule: the almanac of the time may differ</source>
        <translation>lịch năm %1 (%2°%3′ Đông) không có tháng này; tính theo quy tắc hiện đại, lịch đương thời có thể khác</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º E): %3 days from %4-%5-%6 CE; modern rule: the almanac of the time may differ</source>
        <translation>lịch năm %1 (%2° Đông): tháng %3 ngày, bắt đầu từ %4-%5-%6 CN; tính theo quy tắc hiện đại, lịch đương thời có thể khác</translation>
    </message>
    <message>
        <source>the almanac of %1 (%2º%3′ E): %4 days from %5-%6-%7 CE; modern rule: the almanac of the time may differ</source>
        <translation>lịch năm %1 (%2°%3′ Đông): tháng %4 ngày, bắt đầu từ %5-%6-%7 CN; tính theo quy tắc hiện đại, lịch đương thời có thể khác</translation>
    </message>
</context>
<context>
    <name>NativeNames</name>
    <message>
        <source>%1-%2</source>
        <comment>an element and an animal: wood-rat</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the two stems of an element</comment>
        <translation>%1 hoặc %2</translation>
    </message>
    <message>
        <source>%1 (%2) day</source>
        <translation>Ngày %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2) month</source>
        <translation>Tháng %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2) year</source>
        <translation>Năm %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Copy selected text to clipboard</source>
        <translation>Chép phần đã chọn vào bộ nhớ tạm</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Chép vào bộ nhớ tạm</translation>
    </message>
    <message>
        <source>years</source>
        <translation>năm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Error in listing</source>
        <translation>Lỗi khi liệt kê</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>within %1 year</source>
        <translation>trong vòng %1 năm</translation>
    </message>
    <message>
        <source>within %1 years</source>
        <translation>trong vòng %1 năm</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>Vietnam</source>
        <translation>Việt Nam</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Trung Quốc</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Nhật Bản</translation>
    </message>
    <message>
        <source>-%1 = %2 BC</source>
        <translation>-%1 = năm %2 TCN</translation>
    </message>
    <message>
        <source>true sun</source>
        <translation>định khí</translation>
    </message>
    <message>
        <source>mean sun</source>
        <translation>bình khí</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>phút</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>giờ</translation>
    </message>
    <message>
        <source>day</source>
        <translation>ngày</translation>
    </message>
    <message>
        <source>CE month</source>
        <translation>tháng CE</translation>
    </message>
    <message>
        <source>CE year</source>
        <translation>năm CE</translation>
    </message>
    <message>
        <source>CE century</source>
        <translation>thế kỷ CE</translation>
    </message>
    <message>
        <source>CHL month</source>
        <translation>tháng CHL</translation>
    </message>
    <message>
        <source>CHL year</source>
        <translation>năm CHL</translation>
    </message>
    <message>
        <source>60-year cycle (CHL)</source>
        <translation>chu kỳ 60 năm (CHL)</translation>
    </message>
    <message>
        <source>CHS solar term</source>
        <translation>tiết khí CHS</translation>
    </message>
    <message>
        <source>CHS year</source>
        <translation>năm CHS</translation>
    </message>
    <message>
        <source>60-year cycle (CHS)</source>
        <translation>chu kỳ 60 năm (CHS)</translation>
    </message>
    <message>
        <source>60-day cycle</source>
        <translation>chu kỳ 60 ngày</translation>
    </message>
    <message>
        <source>80-year cycle (JC)</source>
        <translation>chu kỳ 80 năm (JC)</translation>
    </message>
    <message>
        <source>VMC month (ICT)</source>
        <translation>tháng VMC (ICT)</translation>
    </message>
    <message>
        <source>VMC year (ICT)</source>
        <translation>năm VMC (ICT)</translation>
    </message>
    <message>
        <source>VMC month (CCT)</source>
        <translation>tháng VMC (CCT)</translation>
    </message>
    <message>
        <source>VMC year (CCT)</source>
        <translation>năm VMC (CCT)</translation>
    </message>
    <message>
        <source>VMC month (JST)</source>
        <translation>tháng VMC (JST)</translation>
    </message>
    <message>
        <source>VMC year (JST)</source>
        <translation>năm VMC (JST)</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>Trăng tròn (vọng)</translation>
    </message>
    <message>
        <source>Dark moon</source>
        <translation>Trăng mới (sóc)</translation>
    </message>
    <message>
        <source>Lunar quarter</source>
        <translation>Thượng/hạ huyền</translation>
    </message>
    <message>
        <source>Lunar new year</source>
        <translation>Tết âm lịch</translation>
    </message>
    <message>
        <source>Winter solstice</source>
        <translation>Đông chí</translation>
    </message>
    <message>
        <source>Vernal equinox</source>
        <translation>Xuân phân</translation>
    </message>
    <message>
        <source>Summer solstice</source>
        <translation>Hạ chí</translation>
    </message>
    <message>
        <source>Autumnal equinox</source>
        <translation>Thu phân</translation>
    </message>
    <message>
        <source>Solstice or equinox</source>
        <translation>Chí hoặc phân</translation>
    </message>
    <message>
        <source>Solar term</source>
        <translation>Tiết khí</translation>
    </message>
    <message>
        <source>Solar term + dark moon</source>
        <translation>Tiết khí + sóc</translation>
    </message>
    <message>
        <source>Solar term + full moon</source>
        <translation>Tiết khí + vọng</translation>
    </message>
    <message>
        <source>Winter solstice + dark moon</source>
        <translation>Đông chí + sóc</translation>
    </message>
    <message>
        <source>Solstice/equinox + dark moon</source>
        <translation>Chí/phân + sóc</translation>
    </message>
    <message>
        <source>Solstice/equinox + full moon</source>
        <translation>Chí/phân + vọng</translation>
    </message>
    <message>
        <source>Element-animal day</source>
        <translation>Ngày theo hành và con giáp</translation>
    </message>
    <message>
        <source>Element-animal month</source>
        <translation>Tháng theo hành và con giáp</translation>
    </message>
    <message>
        <source>Element-animal year</source>
        <translation>Năm theo hành và con giáp</translation>
    </message>
    <message>
        <source>Triple coincidence day</source>
        <translation>Ngày trùng hợp ba</translation>
    </message>
    <message>
        <source>Same element-animal day and month</source>
        <translation>Ngày và tháng cùng hành, con giáp</translation>
    </message>
    <message>
        <source>Multiple element-animal day</source>
        <translation>Ngày nhiều điều kiện hành, con giáp</translation>
    </message>
    <message>
        <source>Intercalary month</source>
        <translation>Tháng nhuận</translation>
    </message>
    <message>
        <source>Korea</source>
        <translation>Hàn Quốc</translation>
    </message>
    <message>
        <source>VMC month (KST)</source>
        <translation>tháng VMC (KST)</translation>
    </message>
    <message>
        <source>VMC year (KST)</source>
        <translation>năm VMC (KST)</translation>
    </message>
    <message>
        <source>Festival or seasonal day</source>
        <translation>Ngày lễ tết hay tiết khí</translation>
    </message>
</context>
<context>
    <name>WindowLanguage</name>
    <message>
        <source>en</source>
        <extracomment>The tag of this translation&apos;s language, exactly one of: zh-Hans zh-Hant vi ja ko. The windows name the calendar&apos;s stems, branches, elements and animals in it.</extracomment>
        <translation>vi</translation>
    </message>
</context>
<context>
    <name>mirvo::CommandPanel</name>
    <message>
        <source>Show lunar calendar month</source>
        <translation>Xem lịch tháng âm</translation>
    </message>
    <message>
        <source>Dark moons &amp;&amp; solar terms</source>
        <translation>Sóc và tiết khí</translation>
    </message>
    <message>
        <source>Lunar new years</source>
        <translation>Tết âm lịch</translation>
    </message>
    <message>
        <source>Month starts / leap months</source>
        <translation>Đầu tháng / tháng nhuận</translation>
    </message>
    <message>
        <source>European new years</source>
        <translation>Năm mới dương lịch</translation>
    </message>
    <message>
        <source>Add to log</source>
        <translation>Ghi vào nhật ký</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>Xem nhật ký</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Xóa nhật ký</translation>
    </message>
    <message>
        <source>Configure log</source>
        <translation>Cấu hình nhật ký</translation>
    </message>
    <message>
        <source>Save state</source>
        <translation>Lưu trạng thái</translation>
    </message>
    <message>
        <source>Restore state</source>
        <translation>Khôi phục trạng thái</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Brisvale software</source>
        <extracomment>The maker&apos;s programs; Brisvale is its name.</extracomment>
        <translation>Phần mềm Brisvale</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Kiểm tra</translation>
    </message>
    <message>
        <source>Compare suns</source>
        <translation>So sánh Mặt Trời</translation>
    </message>
    <message>
        <source>Dates/times/CJDs of dark moons &amp; solar terms</source>
        <translation>Ngày, giờ, ngày Julius dân sự của sóc và tiết khí</translation>
    </message>
    <message>
        <source>Online documentation</source>
        <translation>Tài liệu trực tuyến</translation>
    </message>
    <message>
        <source>Open the project page %1</source>
        <translation>Mở trang dự án %1</translation>
    </message>
    <message>
        <source>Open the user manual that came with the program (in English)</source>
        <translation>Mở sách hướng dẫn đi kèm chương trình (tiếng Anh)</translation>
    </message>
    <message>
        <source>Festivals</source>
        <translation>Lễ tết</translation>
    </message>
</context>
<context>
    <name>mirvo::ConvertPanel</name>
    <message>
        <source>Convert</source>
        <translation>Chuyển đổi</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Ngày</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Giờ</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Múi giờ</translation>
    </message>
    <message>
        <source>e.g. 2024-02-10 CE, 79-41-1-1 CHL, 4722-1-1 CHL</source>
        <extracomment>Examples of dates typed with their calendar&apos;s code; the codes stay as they are.</extracomment>
        <translation>ví dụ 2024-02-10 CE, 79-41-1-1 CHL, 4722-1-1 CHL</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <extracomment>Hours and minutes.</extracomment>
        <translation>gg:pp</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>cộng</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>trừ</translation>
    </message>
    <message>
        <source>days</source>
        <translation>ngày</translation>
    </message>
    <message>
        <source>element</source>
        <translation>hành</translation>
    </message>
    <message>
        <source>animal</source>
        <translation>con giáp</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Bây giờ</translation>
    </message>
</context>
<context>
    <name>mirvo::LogPanel</name>
    <message>
        <source>Error</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>Xem nhật ký</translation>
    </message>
    <message>
        <source>Log is empty</source>
        <translation>Nhật ký trống</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Xóa nhật ký</translation>
    </message>
    <message>
        <source>Erase all data in the log?</source>
        <translation>Xóa toàn bộ nội dung nhật ký?</translation>
    </message>
</context>
<context>
    <name>mirvo::MoonNamesPanel</name>
    <message>
        <source>%1 year (%2)</source>
        <extracomment>The names panel: %1 the stems and branches (甲辰), %2 the element and animal.</extracomment>
        <translation>Năm %1 (%2)</translation>
    </message>
    <message>
        <source>%1 month (%2)</source>
        <translation>Tháng %1 (%2)</translation>
    </message>
    <message>
        <source>%1 day (%2)</source>
        <translation>Ngày %1 (%2)</translation>
    </message>
</context>
<context>
    <name>mirvo::MovePanel</name>
    <message>
        <source>Move</source>
        <translation>Di chuyển</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>tới</translation>
    </message>
    <message>
        <source>back</source>
        <translation>lui</translation>
    </message>
    <message>
        <source>repeatedly</source>
        <translation>liên tục</translation>
    </message>
    <message>
        <source>one day</source>
        <translation>một ngày</translation>
    </message>
    <message>
        <source>keep 30th</source>
        <translation>giữ ngày 30</translation>
    </message>
    <message>
        <source>keep leap</source>
        <translation>giữ tháng nhuận</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Tiếp tục</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Refresh period (in seconds):</source>
        <translation>Nhịp làm mới (giây):</translation>
    </message>
</context>
<context>
    <name>mirvo::SearchPanel</name>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Tìm</translation>
    </message>
    <message>
        <source>next</source>
        <translation>kế tiếp</translation>
    </message>
    <message>
        <source>previous</source>
        <translation>trước đó</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Đang tìm</translation>
    </message>
</context>
<context>
    <name>mirvo::SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Kinh độ</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>Kỷ nguyên</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Phương pháp</translation>
    </message>
    <message>
        <source>º E</source>
        <extracomment>After the longitude: degrees east of Greenwich.</extracomment>
        <translation>º Đ</translation>
    </message>
    <message>
        <source>The zone label of the reference meridian</source>
        <translation>Nhãn múi giờ của kinh tuyến chuẩn</translation>
    </message>
    <message>
        <source>Show Vellomir Calendar</source>
        <translation>Hiện lịch Vellomir</translation>
    </message>
    <message>
        <source>Show chronological JDs</source>
        <translation>Hiện ngày Julius dân sự</translation>
    </message>
    <message>
        <source>Auto log</source>
        <translation>Tự ghi nhật ký</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the language of the windows follows the system&apos;s locale</comment>
        <translation>Theo hệ thống</translation>
    </message>
    <message>
        <source>The language of the windows; System follows the locale (English where the program has no translation)</source>
        <translation>Ngôn ngữ của các cửa sổ; &quot;Theo hệ thống&quot; dùng ngôn ngữ của máy (tiếng Anh nếu chương trình chưa có bản dịch)</translation>
    </message>
    <message>
        <source>Follow the calendar&apos;s history</source>
        <translation>Theo lịch sử lịch pháp</translation>
    </message>
    <message>
        <source>Compute each lunar year for the meridian of its country&apos;s almanac of the time (China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911)</source>
        <translation>Tính mỗi năm âm lịch theo kinh tuyến mà lịch đương thời của nước đó dùng (Trung Quốc 116°25′ Đông đến năm 1928, Việt Nam 120° Đông đến năm 1967, Hàn Quốc 120° Đông đến năm 1911)</translation>
    </message>
</context>
<context>
    <name>mirvo::frmBVsoftware</name>
    <message>
        <source>A calendar converter and almanac for the Chinese lunisolar calendar and its Vietnamese and Japanese variants: one instant shown in the Common Era and Julian calendars, the Chinese lunar and solar calendars, the Vellomir Calendar and the Julian day counts, with the element-animal names of the year, month and day, the phase and age of the Moon and Delta T.</source>
        <translation>Chương trình đổi lịch và lịch vạn niên cho âm dương lịch Trung Hoa cùng các biến thể Việt Nam và Nhật Bản: một thời điểm được hiện cùng lúc theo dương lịch, lịch Julius, âm lịch và lịch tiết khí Trung Quốc, lịch Vellomir và số ngày Julius, kèm hành và con giáp của năm, tháng, ngày, pha và tuổi Mặt Trăng cùng ΔT.</translation>
    </message>
    <message>
        <source>Brisvale Systems software</source>
        <extracomment>Brisvale Systems is the maker&apos;s name.</extracomment>
        <translation>Phần mềm của Brisvale Systems</translation>
    </message>
    <message>
        <source>Open page</source>
        <translation>Mở trang</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>mirvo::frmCalendar</name>
    <message>
        <source>Show previous month</source>
        <translation>Tháng trước</translation>
    </message>
    <message>
        <source>Show next month</source>
        <translation>Tháng sau</translation>
    </message>
    <message>
        <source>Save as PNG image</source>
        <translation>Lưu thành ảnh PNG</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>%1 of the %2 year (%3), position %4 of cycle %5 (year %6)</source>
        <extracomment>%1 the lunar month, %2 the year&apos;s stems and branches, %3 its element and animal, %4 the year&apos;s place in the 60-year cycle, %5 the cycle&apos;s number, %6 the year counted from the epoch.</extracomment>
        <translation>%1 năm %2 (%3), vị trí %4 của chu kỳ %5 (năm thứ %6)</translation>
    </message>
    <message>
        <source>Common Era year %1 (%2) - %3 (%4)</source>
        <extracomment>The Common Era years and months of the lunar month: 2033 (December) - 2034 (January).</extracomment>
        <translation>Dương lịch năm %1 (%2) – năm %3 (%4)</translation>
    </message>
    <message>
        <source>Common Era year %1, month of %2</source>
        <translation>Dương lịch %2 năm %1</translation>
    </message>
    <message>
        <source>Common Era year %1 (%2-%3)</source>
        <translation>Dương lịch năm %1 (%2 – %3)</translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <extracomment>A cell&apos;s Common Era date: %1 the weekday&apos;s short name, %2 the month&apos;s number, %3 the day.</extracomment>
        <translation>%1 %3/%2</translation>
    </message>
    <message>
        <source>Uncertain</source>
        <translation>Chưa chắc chắn</translation>
    </message>
</context>
<context>
    <name>mirvo::frmCredits</name>
    <message>
        <source>Credits</source>
        <translation>Ghi công</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mirvo&lt;/b&gt; rests on published work:</source>
        <translation>&lt;b&gt;Mirvo&lt;/b&gt; dựa trên các công trình đã công bố:</translation>
    </message>
    <message>
        <source>the Moon from the ELP/MPP02 lunar theory of J. Chapront and G. Francou;</source>
        <translation>Mặt Trăng theo lý thuyết ELP/MPP02 của J. Chapront và G. Francou;</translation>
    </message>
    <message>
        <source>the Sun from the VSOP87 planetary theory of P. Bretagnon and G. Francou;</source>
        <translation>Mặt Trời theo lý thuyết hành tinh VSOP87 của P. Bretagnon và G. Francou;</translation>
    </message>
    <message>
        <source>Delta T from the Earth-orientation observations of the IERS (1962 on) and the long-term record of L. V. Morrison, F. R. Stephenson, C. Y. Hohenkerk and M. Zawilski (2021) before;</source>
        <translation>ΔT theo các quan trắc định hướng Trái Đất của IERS (từ 1962) và trước đó theo chuỗi số liệu dài hạn của L. V. Morrison, F. R. Stephenson, C. Y. Hohenkerk và M. Zawilski (2021);</translation>
    </message>
    <message>
        <source>the rules of the Chinese calendar as set out by Helmer Aslaksen, &lt;i&gt;The Mathematics of the Chinese Calendar&lt;/i&gt;;</source>
        <translation>quy tắc âm lịch theo trình bày của Helmer Aslaksen, &lt;i&gt;The Mathematics of the Chinese Calendar&lt;/i&gt;;</translation>
    </message>
    <message>
        <source>day counts and calendar arithmetic after J. Meeus, &lt;i&gt;Astronomical Algorithms&lt;/i&gt;.</source>
        <translation>đếm ngày và tính lịch theo J. Meeus, &lt;i&gt;Astronomical Algorithms&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>The stem and branch characters are written in the WenQuanYi Micro Hei font.</source>
        <translation>Chữ Hán của can chi dùng phông WenQuanYi Micro Hei.</translation>
    </message>
    <message>
        <source>The windows&apos; Chinese, Japanese and Korean texts are written in the Noto Sans CJK fonts.</source>
        <translation>Chữ Trung, Nhật và Hàn trong các cửa sổ dùng phông Noto Sans CJK.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>mirvo::frmData</name>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
</context>
<context>
    <name>mirvo::frmHelp</name>
    <message>
        <source>Mirvo: calendar converter</source>
        <translation>Mirvo: chương trình đổi lịch</translation>
    </message>
    <message>
        <source>The main window keeps one &lt;b&gt;current instant&lt;/b&gt; and shows it at once in every reckoning. Type a date in any of them, press &lt;b&gt;Convert&lt;/b&gt; (or Enter), and every row follows. &lt;b&gt;Now&lt;/b&gt; returns to the present moment; &lt;b&gt;Move&lt;/b&gt; steps the instant, &lt;b&gt;Search for&lt;/b&gt; finds events, and the buttons on the right open the listings, the lunar calendar month and the log. The user manual (the link &quot;Online documentation&quot;) tells all of it in detail.</source>
        <translation>Cửa sổ chính giữ một &lt;b&gt;thời điểm hiện hành&lt;/b&gt; và hiện nó cùng lúc theo mọi loại lịch. Nhập một ngày theo bất kỳ lịch nào, bấm &lt;b&gt;Chuyển đổi&lt;/b&gt; (hoặc Enter), mọi hàng sẽ đổi theo. &lt;b&gt;Bây giờ&lt;/b&gt; trở về lúc này; &lt;b&gt;Di chuyển&lt;/b&gt; dời thời điểm từng bước, &lt;b&gt;Tìm&lt;/b&gt; tìm các hiện tượng, còn các nút bên phải mở các danh sách, tờ lịch tháng âm và nhật ký. Sách hướng dẫn (liên kết &quot;Tài liệu trực tuyến&quot;) giải thích chi tiết tất cả.</translation>
    </message>
    <message>
        <source>The user manual is written in English.</source>
        <extracomment>Said only in the translated help: the manual has no translation.</extracomment>
        <translation>Sách hướng dẫn được viết bằng tiếng Anh.</translation>
    </message>
    <message>
        <source>The reckonings</source>
        <translation>Các loại lịch</translation>
    </message>
    <message>
        <source>&lt;b&gt;CE&lt;/b&gt;: the Common Era (Gregorian) calendar, also before 1582. Years are astronomical: the year before 1 is 0, and 44 BC is -43.</source>
        <translation>&lt;b&gt;CE&lt;/b&gt;: dương lịch (lịch Gregory), áp dụng cả cho thời trước 1582. Năm được đánh số kiểu thiên văn: năm trước năm 1 là năm 0, và năm 44 TCN là -43.</translation>
    </message>
    <message>
        <source>&lt;b&gt;JC&lt;/b&gt;: the Julian Calendar, with the same year numbers.</source>
        <translation>&lt;b&gt;JC&lt;/b&gt;: lịch Julius, với cách đánh số năm như trên.</translation>
    </message>
    <message>
        <source>&lt;b&gt;CHL&lt;/b&gt;: the Chinese lunar calendar. A date is written &lt;i&gt;cycle-position-month-day&lt;/i&gt;: the 60-year cycle (cycle 1 began in 2697 BC, or 2637 BC with the other epoch), the year&apos;s place 1 to 60 in it, the month (a &lt;b&gt;*&lt;/b&gt; marks a leap month) and the day 1 to 30. A month begins on the civil day, at the reference meridian, of a dark moon; the month holding the winter solstice is month 11; a year of 13 months repeats the first month that holds no major solar term.</source>
        <translation>&lt;b&gt;CHL&lt;/b&gt;: âm lịch Trung Hoa. Ngày được viết &lt;i&gt;chu kỳ-vị trí-tháng-ngày&lt;/i&gt;: chu kỳ 60 năm (chu kỳ 1 bắt đầu năm 2697 TCN, hoặc 2637 TCN với kỷ nguyên kia), vị trí 1 đến 60 của năm trong chu kỳ, tháng (dấu &lt;b&gt;*&lt;/b&gt; chỉ tháng nhuận) và ngày 1 đến 30. Tháng bắt đầu vào ngày dân sự có sóc, tính theo kinh tuyến chuẩn; tháng chứa Đông chí là tháng Mười Một; năm có 13 tháng thì tháng đầu tiên không chứa trung khí là tháng nhuận.</translation>
    </message>
    <message>
        <source>&lt;b&gt;CHS&lt;/b&gt;: the Chinese solar calendar: &lt;i&gt;cycle-position-solarterm-day&lt;/i&gt;. The 24 solar terms are the 15° steps of the Sun&apos;s apparent longitude; the solar year begins at the winter solstice (term 1). On the first day of a term the row shows the term&apos;s code in parentheses.</source>
        <translation>&lt;b&gt;CHS&lt;/b&gt;: lịch tiết khí Trung Hoa: &lt;i&gt;chu kỳ-vị trí-tiết khí-ngày&lt;/i&gt;. 24 tiết khí là các bước 15° của hoàng kinh biểu kiến Mặt Trời; năm tiết khí bắt đầu từ Đông chí (tiết khí 1). Vào ngày đầu của một tiết khí, hàng này ghi mã tiết khí trong ngoặc.</translation>
    </message>
    <message>
        <source>&lt;b&gt;VMC&lt;/b&gt;: the Vellomir Calendar, an arithmetic lunisolar calendar, shown for Greenwich and for the reference meridian. The small note under it tells how its month and day compare with the lunar date.</source>
        <translation>&lt;b&gt;VMC&lt;/b&gt;: lịch Vellomir, một âm dương lịch tính theo số học, hiện theo Greenwich và theo kinh tuyến chuẩn. Dòng chữ nhỏ bên dưới cho biết tháng và ngày của nó so với ngày âm lịch.</translation>
    </message>
    <message>
        <source>&lt;b&gt;CJDL&lt;/b&gt;, &lt;b&gt;CJDC&lt;/b&gt;: chronological Julian dates, the civil days counted at London and at the reference meridian (shown when &quot;Show chronological JDs&quot; is ticked). &lt;b&gt;AJD&lt;/b&gt;: the astronomical Julian date, counted from noon Universal Time.</source>
        <translation>&lt;b&gt;CJDL&lt;/b&gt;, &lt;b&gt;CJDC&lt;/b&gt;: ngày Julius dân sự, tức các ngày dân sự đếm tại London và tại kinh tuyến chuẩn (hiện khi đánh dấu &quot;Hiện ngày Julius dân sự&quot;). &lt;b&gt;AJD&lt;/b&gt;: ngày Julius thiên văn, tính từ giữa trưa giờ quốc tế.</translation>
    </message>
    <message>
        <source>Beside the dates the window names the element and animal of the year, the lunar month and the day, shows the Moon&apos;s phase, illumination and age, and Delta T (the difference between the uniform time of the ephemeris and the time kept by the Earth&apos;s rotation). For China the year and the day are also shown as their written stem and branch.</source>
        <translation>Bên cạnh các ngày, cửa sổ ghi hành và con giáp của năm, tháng âm lịch và ngày, hiện pha, độ sáng và tuổi của Mặt Trăng, và ΔT (hiệu giữa thời gian đều của lịch thiên văn và thời gian theo vòng quay Trái Đất). Với Trung Quốc, năm và ngày còn được viết bằng chữ can chi.</translation>
    </message>
    <message>
        <source>Typing a date</source>
        <translation>Nhập ngày</translation>
    </message>
    <message>
        <source>End the date with the code of its calendar; case and spaces do not matter, and &quot;,&quot; may group thousands. Examples:</source>
        <translation>Kết thúc ngày bằng mã của lịch; chữ hoa, chữ thường và khoảng trắng đều được, có thể dùng &quot;,&quot; để nhóm hàng nghìn. Ví dụ:</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Lịch</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Dạng</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ví dụ</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>năm-tháng-ngày</translation>
    </message>
    <message>
        <source>cycle-position-month[*]-day</source>
        <translation>chu kỳ-vị trí-tháng[*]-ngày</translation>
    </message>
    <message>
        <source>CHL (China)</source>
        <translation>CHL (Trung Quốc)</translation>
    </message>
    <message>
        <source>year-month-day, with the Overseas Chinese year</source>
        <translation>năm-tháng-ngày, năm tính theo năm Hoàng Đế</translation>
    </message>
    <message>
        <source>&quot;?&quot; for the position: choose the element and the animal in the lists</source>
        <translation>&quot;?&quot; thay cho vị trí: chọn hành và con giáp trong danh sách</translation>
    </message>
    <message>
        <source>70-?-12-30 CHL with fire and dog</source>
        <translation>70-?-12-30 CHL với Hỏa và Chó</translation>
    </message>
    <message>
        <source>cycle-position-solarterm-day</source>
        <translation>chu kỳ-vị trí-tiết khí-ngày</translation>
    </message>
    <message>
        <source>a decimal number</source>
        <translation>một số thập phân</translation>
    </message>
    <message>
        <source>The time goes in the &lt;b&gt;Time&lt;/b&gt; box as hours:minutes (12:00 when empty), and &lt;b&gt;Zone&lt;/b&gt; says whether it is Greenwich time (GMT) or the time of the reference meridian. Dates without a code are taken, after a question, in the current entry calendar (the row whose caption is white).</source>
        <translation>Giờ được nhập vào ô &lt;b&gt;Giờ&lt;/b&gt; theo dạng giờ:phút (để trống là 12:00), còn &lt;b&gt;Múi giờ&lt;/b&gt; cho biết đó là giờ Greenwich (GMT) hay giờ của kinh tuyến chuẩn. Ngày không có mã sẽ được hỏi lại, rồi hiểu theo lịch nhập hiện hành (hàng có tiêu đề màu trắng).</translation>
    </message>
    <message>
        <source>To add or subtract days, put the number in the &lt;b&gt;plus/minus&lt;/b&gt; box and choose plus or minus; with an empty date box the current date is used, so 10 with plus moves ten days ahead.</source>
        <translation>Để cộng hoặc trừ ngày, nhập số ngày vào ô &lt;b&gt;cộng/trừ&lt;/b&gt; rồi chọn cộng hoặc trừ; khi ô ngày để trống thì dùng ngày hiện hành, nên 10 với cộng sẽ tiến mười ngày.</translation>
    </message>
    <message>
        <source>A click on a row copies its value to the clipboard and makes that calendar the entry calendar; a click on the value also puts it into the entry boxes, ready to be edited and converted.</source>
        <translation>Bấm vào một hàng sẽ chép giá trị của nó vào bộ nhớ tạm và chọn lịch đó làm lịch nhập; bấm vào chính giá trị còn đưa nó vào các ô nhập để sửa rồi chuyển đổi.</translation>
    </message>
    <message>
        <source>Dates from -3000-01-01 CE to 3000-01-01 CE are accepted.</source>
        <translation>Chương trình nhận các ngày từ -3000-01-01 CE đến 3000-01-01 CE.</translation>
    </message>
    <message>
        <source>When a lunar month&apos;s first day, number or leap status rests on a new moon or solar term closer to midnight than the uncertainty of its time, the tooltip of the lunar date says so and names the day other tables may give; the lunar calendar month notes it in its top right cell.</source>
        <translation>Khi ngày đầu, số thứ tự hoặc tính nhuận của một tháng âm lịch phụ thuộc vào một lần sóc hay tiết khí gần nửa đêm hơn sai số của thời điểm đó, chú thích của ngày âm lịch sẽ báo điều này và nêu ngày mà các bảng lịch khác có thể cho; tờ lịch tháng âm ghi chú ở ô góc trên bên phải.</translation>
    </message>
    <message>
        <source>Moving and searching</source>
        <translation>Di chuyển và tìm kiếm</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move&lt;/b&gt; forward or back 1 step: a minute, hour, day or 60 days, or a month, year or century of the CE, lunar (CHL), solar (CHS), Julian or Vellomir calendar, each in its own arithmetic (a CHL month goes through leap months). With &lt;b&gt;repeatedly&lt;/b&gt; it steps again at the refresh period until &lt;b&gt;Stop&lt;/b&gt;, with &lt;b&gt;Pause&lt;/b&gt; and &lt;b&gt;Resume&lt;/b&gt;; &lt;b&gt;keep 30th&lt;/b&gt; and &lt;b&gt;keep leap&lt;/b&gt; then bring a lunar date back to day 30 or into its leap month where they exist. &lt;b&gt;one day&lt;/b&gt; moves exactly one day.</source>
        <translation>&lt;b&gt;Di chuyển&lt;/b&gt; tới hoặc lui 1 bước: một phút, giờ, ngày hoặc 60 ngày, hoặc một tháng, năm hay thế kỷ của dương lịch, âm lịch (CHL), lịch tiết khí (CHS), lịch Julius hay lịch Vellomir, mỗi lịch theo cách tính riêng (tháng CHL đi qua cả tháng nhuận). Với &lt;b&gt;liên tục&lt;/b&gt;, thời điểm tiếp tục dời theo nhịp làm mới cho đến khi bấm &lt;b&gt;Dừng&lt;/b&gt;, có thể &lt;b&gt;Tạm dừng&lt;/b&gt; và &lt;b&gt;Tiếp tục&lt;/b&gt;; khi đó &lt;b&gt;giữ ngày 30&lt;/b&gt; và &lt;b&gt;giữ tháng nhuận&lt;/b&gt; đưa ngày âm lịch trở về ngày 30 hoặc vào tháng nhuận ở những nơi có. &lt;b&gt;một ngày&lt;/b&gt; dời đúng một ngày.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Search for&lt;/b&gt; the next or previous full moon, dark moon, quarter, lunar new year, solstice, equinox or solar term, a dark or full moon on the first day of a term, a day, month or year of the element and animal chosen beside the date box, a triple coincidence day or a leap month. &quot;Multiple element-animal day&quot; opens a window for conditions on the day, the month and the year at once.</source>
        <translation>&lt;b&gt;Tìm&lt;/b&gt; lần trăng tròn, sóc, thượng huyền, hạ huyền, Tết âm lịch, chí, phân hay tiết khí kế tiếp hoặc trước đó, sóc hay vọng rơi vào ngày đầu một tiết khí, ngày, tháng hay năm có hành và con giáp chọn bên cạnh ô ngày, ngày trùng hợp ba hoặc tháng nhuận. &quot;Ngày nhiều điều kiện hành, con giáp&quot; mở một cửa sổ đặt điều kiện cho ngày, tháng và năm cùng lúc.</translation>
    </message>
    <message>
        <source>Listings and the month view</source>
        <translation>Danh sách và tờ lịch tháng</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dark moons &amp;amp; solar terms&lt;/b&gt; lists the dark moons and solar terms of three solar years. &lt;b&gt;Lunar new years&lt;/b&gt;, &lt;b&gt;Month starts / leap months&lt;/b&gt; and &lt;b&gt;European new years&lt;/b&gt; list, over a number of years, the lunar new years (or anniversaries of the lunar date shown), the first days of the months or of the leap months, and the lunar date of each 1 January; &lt;b&gt;Stop&lt;/b&gt; ends a long list, and &lt;b&gt;Save as iCalendar…&lt;/b&gt; writes the lunar dates listed into a file that desktop, web and phone calendars import. &lt;b&gt;Show lunar calendar month&lt;/b&gt; draws the lunar month as a page of four rows, one quarter of the month each, with day 15 and day 30 in the &quot;Lunaday&quot; column; it steps through the months and saves the page as a PNG image.</source>
        <translation>&lt;b&gt;Sóc và tiết khí&lt;/b&gt; liệt kê các lần sóc và tiết khí của ba năm tiết khí. &lt;b&gt;Tết âm lịch&lt;/b&gt;, &lt;b&gt;Đầu tháng / tháng nhuận&lt;/b&gt; và &lt;b&gt;Năm mới dương lịch&lt;/b&gt; liệt kê qua nhiều năm các ngày Tết âm lịch (hoặc ngày giỗ theo ngày âm lịch đang hiện), ngày đầu các tháng hoặc các tháng nhuận, và ngày âm lịch của mỗi ngày 1 tháng 1; &lt;b&gt;Dừng&lt;/b&gt; kết thúc một danh sách dài, còn &lt;b&gt;Lưu thành iCalendar…&lt;/b&gt; ghi các ngày âm lịch đã liệt kê vào một tệp mà lịch trên máy tính, trên web và điện thoại đều nhập được. &lt;b&gt;Xem lịch tháng âm&lt;/b&gt; vẽ tháng âm lịch thành một trang bốn hàng, mỗi hàng một phần tư tháng, ngày rằm và ngày 30 nằm ở &quot;Cột rằm&quot;; có thể lật từng tháng và lưu trang thành ảnh PNG.</translation>
    </message>
    <message>
        <source>The listings and the log entries are written in English, as mirvo-cli writes them.</source>
        <extracomment>Said only in the translated help.</extracomment>
        <translation>Các danh sách và mục nhật ký được viết bằng tiếng Anh, giống như mirvo-cli.</translation>
    </message>
    <message>
        <source>The log and the saved state</source>
        <translation>Nhật ký và trạng thái đã lưu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add to log&lt;/b&gt; writes the instant into the log in the reckonings chosen under &lt;b&gt;Configure log&lt;/b&gt;; &lt;b&gt;View log&lt;/b&gt; shows it for editing and copying, &lt;b&gt;Clear log&lt;/b&gt; empties it. With &lt;b&gt;Auto log&lt;/b&gt; every Now, conversion, move and search adds an entry headed by what was done. &lt;b&gt;Save state&lt;/b&gt;, &lt;b&gt;Quit&lt;/b&gt; and closing the window keep the instant and every choice for the next start; &lt;b&gt;Restore state&lt;/b&gt; goes back to them.</source>
        <translation>&lt;b&gt;Ghi vào nhật ký&lt;/b&gt; ghi thời điểm vào nhật ký theo các lịch chọn trong &lt;b&gt;Cấu hình nhật ký&lt;/b&gt;; &lt;b&gt;Xem nhật ký&lt;/b&gt; hiện nhật ký để sửa và sao chép, &lt;b&gt;Xóa nhật ký&lt;/b&gt; làm trống nó. Với &lt;b&gt;Tự ghi nhật ký&lt;/b&gt;, mỗi lần Bây giờ, chuyển đổi, di chuyển và tìm kiếm đều thêm một mục mở đầu bằng việc vừa làm. &lt;b&gt;Lưu trạng thái&lt;/b&gt;, &lt;b&gt;Thoát&lt;/b&gt; và đóng cửa sổ đều giữ lại thời điểm và mọi lựa chọn cho lần mở sau; &lt;b&gt;Khôi phục trạng thái&lt;/b&gt; quay về trạng thái đó.</translation>
    </message>
    <message>
        <source>The command-line tool</source>
        <translation>Công cụ dòng lệnh</translation>
    </message>
    <message>
        <source>&lt;code&gt;mirvo-cli&lt;/code&gt; prints the same calendar for scripts: &lt;code&gt;show&lt;/code&gt;, &lt;code&gt;move&lt;/code&gt;, &lt;code&gt;search&lt;/code&gt;, &lt;code&gt;list&lt;/code&gt;, &lt;code&gt;year-data&lt;/code&gt;, &lt;code&gt;month-view&lt;/code&gt;, &lt;code&gt;log-entry&lt;/code&gt;, &lt;code&gt;export&lt;/code&gt; (iCalendar files) and more; &lt;code&gt;mirvo-cli --help&lt;/code&gt; lists them all.</source>
        <translation>&lt;code&gt;mirvo-cli&lt;/code&gt; in cùng những lịch ấy cho các tập lệnh: &lt;code&gt;show&lt;/code&gt;, &lt;code&gt;move&lt;/code&gt;, &lt;code&gt;search&lt;/code&gt;, &lt;code&gt;list&lt;/code&gt;, &lt;code&gt;year-data&lt;/code&gt;, &lt;code&gt;month-view&lt;/code&gt;, &lt;code&gt;log-entry&lt;/code&gt;, &lt;code&gt;export&lt;/code&gt; (tệp iCalendar) và nhiều lệnh khác; &lt;code&gt;mirvo-cli --help&lt;/code&gt; liệt kê tất cả.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>&lt;b&gt;Longitude&lt;/b&gt;: the reference meridian itself, 100° to 145° east, with its zone label (for example BEI for 116°, the meridian of Beijing). Months and terms begin on the civil day at this meridian, so a dark moon shortly before midnight can fall on different days for different meridians.</source>
        <translation>&lt;b&gt;Kinh độ&lt;/b&gt;: chính kinh tuyến chuẩn, từ 100° đến 145° Đông, kèm nhãn múi giờ (ví dụ BEI cho 116°, kinh tuyến Bắc Kinh). Tháng và tiết khí bắt đầu theo ngày dân sự tại kinh tuyến này, nên một lần sóc ngay trước nửa đêm có thể rơi vào những ngày khác nhau ở các kinh tuyến khác nhau.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Epoch&lt;/b&gt;: the year of cycle 1, position 1: 2697 BC (-2696) or 2637 BC (-2636). It changes the cycle numbers, not the dates.</source>
        <translation>&lt;b&gt;Kỷ nguyên&lt;/b&gt;: năm của chu kỳ 1, vị trí 1: năm 2697 TCN (-2696) hoặc 2637 TCN (-2636). Nó chỉ đổi số chu kỳ, không đổi ngày.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Method&lt;/b&gt;: &quot;true sun&quot; places the solar terms by the Sun&apos;s apparent longitude; &quot;mean sun&quot; divides the tropical year evenly, as the calendar did before 1645.</source>
        <translation>&lt;b&gt;Phương pháp&lt;/b&gt;: &quot;định khí&quot; đặt tiết khí theo hoàng kinh biểu kiến của Mặt Trời; &quot;bình khí&quot; chia đều năm chí tuyến, như lịch đã làm trước năm 1645.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Show Vellomir Calendar&lt;/b&gt; and &lt;b&gt;Show chronological JDs&lt;/b&gt; show or hide those rows; &lt;b&gt;Auto log&lt;/b&gt; is described above.</source>
        <translation>&lt;b&gt;Hiện lịch Vellomir&lt;/b&gt; và &lt;b&gt;Hiện ngày Julius dân sự&lt;/b&gt; hiện hoặc ẩn các hàng đó; &lt;b&gt;Tự ghi nhật ký&lt;/b&gt; đã nói ở trên.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Language&lt;/b&gt;: the language of the windows. &lt;b&gt;System&lt;/b&gt; follows the locale of the desktop, English where the program has no translation. The choice takes effect at once and is remembered for the next start; the codes of the calendars and the dates typed stay the same in every language.</source>
        <translation>&lt;b&gt;Ngôn ngữ&lt;/b&gt;: ngôn ngữ của các cửa sổ. &lt;b&gt;Theo hệ thống&lt;/b&gt; dùng ngôn ngữ của máy, tiếng Anh nếu chương trình chưa có bản dịch. Lựa chọn có hiệu lực ngay và được giữ cho lần mở sau; mã các loại lịch và cách nhập ngày không đổi trong mọi ngôn ngữ.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Reset&lt;/b&gt; restores the entry calendar, the display switches and the options, but keeps the country, longitude, epoch and method.</source>
        <translation>&lt;b&gt;Đặt lại&lt;/b&gt; trả lịch nhập, các công tắc hiển thị và các tùy chọn về mặc định, nhưng giữ quốc gia, kinh độ, kỷ nguyên và phương pháp.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt; (F1 in the date box, on Now, Move or Help) opens this window; &lt;b&gt;Brisvale software&lt;/b&gt; lists the maker&apos;s programs.</source>
        <translation>&lt;b&gt;Trợ giúp&lt;/b&gt; (F1 trong ô ngày, trên Bây giờ, Di chuyển hoặc Trợ giúp) mở cửa sổ này; &lt;b&gt;Phần mềm Brisvale&lt;/b&gt; liệt kê các chương trình của nhà sản xuất.</translation>
    </message>
    <message>
        <source>Mirvo Help</source>
        <translation>Trợ giúp Mirvo</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Ghi công</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>&lt;b&gt;Country&lt;/b&gt;: Vietnam, China, Japan or Korea. It sets the reference meridian (105°, 120°, 135° or 135° east), the names of the animals (cat and goat in Vietnam, boar in Japan) and the colour of the window. The choice is remembered for the next start.</source>
        <translation>&lt;b&gt;Quốc gia&lt;/b&gt;: Việt Nam, Trung Quốc, Nhật Bản hoặc Hàn Quốc. Lựa chọn này quyết định kinh tuyến chuẩn (105°, 120°, 135° hoặc 135° Đông), tên con giáp (Việt Nam có Mèo và Dê, Nhật Bản có Lợn rừng) và màu cửa sổ, và được giữ cho lần mở sau.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Follow the calendar&apos;s history&lt;/b&gt;: each lunar year is computed for the meridian its country&apos;s almanac used that year (China 116°25′ E up to 1928, Vietnam 120° E up to 1967, Korea 120° E up to 1911). Dates before the years whose almanacs the modern rule reproduces (China 1912, Vietnam 1945, Korea 1900, Japan 1873) say in their tooltip that the almanac of the time may differ.</source>
        <translation>&lt;b&gt;Theo lịch sử lịch pháp&lt;/b&gt;: mỗi năm âm lịch được tính theo kinh tuyến mà lịch của nước đó dùng trong năm ấy (Trung Quốc 116°25′ Đông đến năm 1928, Việt Nam 120° Đông đến năm 1967, Hàn Quốc 120° Đông đến năm 1911). Các ngày trước những năm mà quy tắc hiện đại tái hiện đúng lịch đương thời (Trung Quốc 1912, Việt Nam 1945, Hàn Quốc 1900, Nhật Bản 1873) có ghi chú trong chú giải rằng lịch đương thời có thể khác.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Festivals&lt;/b&gt; lists the festivals and seasonal days of the country over a number of years; the line beside the lunar date and the cells of the month view name the day&apos;s, and Search finds the next or previous day of the one chosen.</source>
        <translation>&lt;b&gt;Lễ tết&lt;/b&gt; liệt kê các ngày lễ tết và ngày tiết khí của nước qua nhiều năm; dòng bên ngày âm lịch và các ô của lịch tháng ghi tên lễ của ngày, và Tìm kiếm tìm ngày kế tiếp hoặc trước đó của lễ đã chọn.</translation>
    </message>
</context>
<context>
    <name>mirvo::frmLog</name>
    <message>
        <source>Clear log</source>
        <translation>Xóa nhật ký</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Log for %1</source>
        <translation>Nhật ký %1</translation>
    </message>
    <message>
        <source>Closing the log window in this way
causes its contents to be lost.

To preserve the contents, choose Cancel
and use the &apos;Close&apos; button.

Discard the log?</source>
        <translation>Đóng cửa sổ nhật ký theo cách này
sẽ làm mất nội dung của nó.

Để giữ nội dung, hãy chọn Hủy
rồi dùng nút &apos;Đóng&apos;.

Bỏ nhật ký?</translation>
    </message>
    <message>
        <source>Close log</source>
        <translation>Đóng nhật ký</translation>
    </message>
    <message>
        <source>Erase all data in the log?</source>
        <translation>Xóa toàn bộ nội dung nhật ký?</translation>
    </message>
</context>
<context>
    <name>mirvo::frmLogPreferences</name>
    <message>
        <source>Configure log entries</source>
        <translation>Cấu hình mục nhật ký</translation>
    </message>
    <message>
        <source>Include in log entries:</source>
        <translation>Đưa vào mục nhật ký:</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Lịch Trung Hoa</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Lịch phương Tây</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>Thiên văn</translation>
    </message>
    <message>
        <source>Set all</source>
        <translation>Chọn hết</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Bỏ hết</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>mirvo::frmMain</name>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>The translation of the windows into %1 could not be loaded; they stay in English.</source>
        <translation>Không nạp được bản dịch %1 của các cửa sổ; chúng vẫn dùng tiếng Anh.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Lỗi</translation>
    </message>
</context>
<context>
    <name>mirvo::frmMultiple_El_An</name>
    <message>
        <source>day</source>
        <translation>ngày</translation>
    </message>
    <message>
        <source>month</source>
        <translation>tháng</translation>
    </message>
    <message>
        <source>year</source>
        <translation>năm</translation>
    </message>
    <message>
        <source>starting from today</source>
        <translation>bắt đầu từ hôm nay</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Search for the next</source>
        <translation>Tìm kế tiếp</translation>
    </message>
    <message>
        <source>Search for the previous</source>
        <translation>Tìm trước đó</translation>
    </message>
</context>
</TS>
