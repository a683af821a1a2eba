-- The results table of the online results database "Tulokset". The program writes the 24 columns
-- after Id; Id numbers the rows in the order they arrived, so a live page can follow the send.
-- InnoDB: a send that replaces earlier rows is one transaction, undone whole when it fails.
CREATE TABLE Kilpailut (
  Id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  Alkupvm VARCHAR(10) NOT NULL,
  Loppupvm VARCHAR(10) NOT NULL,
  Paikka TEXT NOT NULL,
  JSeura TEXT NOT NULL,
  Level TEXT NOT NULL,
  Shots INT NOT NULL,
  Laji VARCHAR(5) NOT NULL,
  Luokka VARCHAR(6) NOT NULL,
  Positio INT NOT NULL,
  Nimi VARCHAR(25) NOT NULL,
  Seura VARCHAR(10) NOT NULL,
  Kansallisuus VARCHAR(3) NOT NULL,
  Kana INT NOT NULL,
  Sika INT NOT NULL,
  Kalkkuna INT NOT NULL,
  Pässi INT NOT NULL,
  Yhteensä INT NOT NULL,
  f1 VARCHAR(2) NOT NULL,
  f2 VARCHAR(2) NOT NULL,
  f3 VARCHAR(2) NOT NULL,
  f4 VARCHAR(2) NOT NULL,
  f5 VARCHAR(2) NOT NULL,
  Kaliiperi VARCHAR(10) NOT NULL,
  Malli VARCHAR(10) NOT NULL
) ENGINE=InnoDB DEFAULT CHARACTER SET utf8mb4 COLLATE utf8mb4_bin
