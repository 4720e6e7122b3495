; The languages the installer and the uninstaller speak: each that Qt's
; catalogues in the program's folder and NSIS's Modern UI both have, chosen
; by the system's language, English first and where none of them is the
; system's. Each with its words for a Kestrine still running.
!macro KESTRINE_LANGUAGE NAME CATALOGUE RUNNING
    !if ! /FileExists "${FOLDER}\translations\qtbase_${CATALOGUE}.qm"
        !error "The folder has no Qt catalogue ${CATALOGUE} for ${NAME}"
    !endif
    !insertmacro MUI_LANGUAGE "${NAME}"
    LangString running ${LANG_${NAME}} "${RUNNING}"
!macroend

!insertmacro KESTRINE_LANGUAGE English en "Kestrine is running. Close it and try again."
!insertmacro KESTRINE_LANGUAGE Arabic ar "Kestrine قيد التشغيل. أغلقه ثم حاول مرة أخرى."
!insertmacro KESTRINE_LANGUAGE Bulgarian bg "Kestrine работи. Затворете програмата и опитайте отново."
!insertmacro KESTRINE_LANGUAGE Catalan ca "El Kestrine s'està executant. Tanqueu-lo i torneu-ho a provar."
!insertmacro KESTRINE_LANGUAGE Czech cs "Kestrine je spuštěn. Zavřete jej a zkuste to znovu."
!insertmacro KESTRINE_LANGUAGE Danish da "Kestrine kører. Luk programmet, og prøv igen."
!insertmacro KESTRINE_LANGUAGE German de "Kestrine läuft. Schließen Sie das Programm und versuchen Sie es erneut."
!insertmacro KESTRINE_LANGUAGE Spanish es "Kestrine se está ejecutando. Ciérrelo e inténtelo de nuevo."
!insertmacro KESTRINE_LANGUAGE Farsi fa "Kestrine در حال اجرا است. آن را ببندید و دوباره تلاش کنید."
!insertmacro KESTRINE_LANGUAGE Finnish fi "Kestrine on käynnissä. Sulje se ja yritä uudelleen."
!insertmacro KESTRINE_LANGUAGE French fr "Kestrine est en cours d'exécution. Fermez-le, puis réessayez."
!insertmacro KESTRINE_LANGUAGE ScotsGaelic gd "Tha Kestrine a' ruith. Dùin e is feuch ris a-rithist."
!insertmacro KESTRINE_LANGUAGE Hebrew he "Kestrine פועלת. סגרו אותה ונסו שוב."
!insertmacro KESTRINE_LANGUAGE Croatian hr "Kestrine je pokrenut. Zatvorite ga i pokušajte ponovno."
!insertmacro KESTRINE_LANGUAGE Hungarian hu "A Kestrine fut. Zárja be, majd próbálja újra."
!insertmacro KESTRINE_LANGUAGE Italian it "Kestrine è in esecuzione. Chiudilo e riprova."
!insertmacro KESTRINE_LANGUAGE Japanese ja "Kestrine が実行中です。終了してから、もう一度お試しください。"
!insertmacro KESTRINE_LANGUAGE Korean ko "Kestrine이(가) 실행 중입니다. 종료한 후 다시 시도하십시오."
!insertmacro KESTRINE_LANGUAGE Latvian lv "Kestrine darbojas. Aizveriet to un mēģiniet vēlreiz."
!insertmacro KESTRINE_LANGUAGE Dutch nl "Kestrine is actief. Sluit het programma en probeer het opnieuw."
!insertmacro KESTRINE_LANGUAGE NorwegianNynorsk nn "Kestrine køyrer. Lukk programmet og prøv på nytt."
!insertmacro KESTRINE_LANGUAGE Polish pl "Program Kestrine jest uruchomiony. Zamknij go i spróbuj ponownie."
!insertmacro KESTRINE_LANGUAGE PortugueseBR pt_BR "O Kestrine está em execução. Feche-o e tente novamente."
!insertmacro KESTRINE_LANGUAGE Russian ru "Kestrine запущен. Закройте программу и повторите попытку."
!insertmacro KESTRINE_LANGUAGE Slovak sk "Kestrine je spustený. Zatvorte ho a skúste to znova."
!insertmacro KESTRINE_LANGUAGE Turkish tr "Kestrine çalışıyor. Programı kapatıp yeniden deneyin."
!insertmacro KESTRINE_LANGUAGE Ukrainian uk "Kestrine запущено. Закрийте програму та спробуйте ще раз."
!insertmacro KESTRINE_LANGUAGE SimpChinese zh_CN "Kestrine 正在运行。请关闭它，然后重试。"
!insertmacro KESTRINE_LANGUAGE TradChinese zh_TW "Kestrine 正在執行。請關閉它，然後再試一次。"
